#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "emf_pages.h"
#include "spool_format.h"

namespace {

const PageSignature kSignature = {1, 0, 0, 0, 0x6C, 0, 0};

// The page-start rule taken literally, one byte at a time.
std::vector<std::size_t> ReferenceScan(const Bytes& data, const PageSignature& signature) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i + kPageSignatureLength <= data.size(); ++i) {
    if (i == 0 || std::memcmp(&data[i], signature, kPageSignatureLength) != 0) continue;
    if (ReadLittleEndian32(&data[i]) != 1) continue;
    if (data.size() - i < 44) continue;
    if (ReadLittleEndian32(&data[i + 40]) != kEnhMetaSignature) continue;
    starts.push_back(i);
  }
  return starts;
}

// 44 bytes that pass every test at the position where they are placed.
Bytes HeaderPrefix(std::uint32_t headerSize = 0x6C) {
  Bytes header(44, 0);
  PutU32(header, 0, 1);
  PutU32(header, 4, headerSize);
  PutU32(header, 40, kEnhMetaSignature);
  return header;
}

void Place(Bytes& data, std::size_t at, const Bytes& bytes) {
  std::copy(bytes.begin(), bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(at));
}

TEST(PageScan, AgreesWithTheByteByByteRuleOnNoisyData) {
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    // Noise rich in 0x01 and 0x00 bytes, with whole and broken headers planted in it.
    Bytes data(4000 + random() % 3000);
    for (auto& byte : data) byte = static_cast<std::uint8_t>(random() % 4 == 0 ? 1 : random() % 3);
    for (int planted = 0; planted < 12; ++planted) {
      Bytes header = HeaderPrefix(random() % 5 == 0 ? 0x70 : 0x6C);
      if (random() % 4 == 0) header[40 + random() % 4] ^= 0x10;
      const std::size_t at = random() % data.size();
      if (at + header.size() <= data.size()) Place(data, at, header);
    }
    EXPECT_EQ(FindPageStarts(data.data(), data.size(), kSignature), ReferenceScan(data, kSignature))
        << "round " << round;
  }
}

TEST(PageScan, OffsetZeroIsNeverAPageStart) {
  Bytes data(200, 0);
  Place(data, 0, HeaderPrefix());
  Place(data, 100, HeaderPrefix());
  EXPECT_EQ(FindPageStarts(data.data(), data.size(), kSignature), std::vector<std::size_t>{100});
}

TEST(PageScan, AStartNeedsFortyFourBytesAtAndAfterIt) {
  Bytes data(144, 0);
  Place(data, 100, HeaderPrefix());  // exactly 44 bytes left
  EXPECT_EQ(FindPageStarts(data.data(), data.size(), kSignature), std::vector<std::size_t>{100});
  data.pop_back();  // 43 left: the signature no longer fits in the file
  EXPECT_TRUE(FindPageStarts(data.data(), data.size(), kSignature).empty());
}

TEST(PageScan, AHeaderOfAnotherSizeIsNotAStart) {
  Bytes data(300, 0);
  Place(data, 50, HeaderPrefix(0x6C));
  Place(data, 150, HeaderPrefix(0x1006C));  // same low 16 bits: still a start
  Place(data, 220, HeaderPrefix(0x70));
  EXPECT_EQ(FindPageStarts(data.data(), data.size(), kSignature),
            (std::vector<std::size_t>{50, 150}));
}

TEST(PageScan, ASignatureThatIsNotAHeaderRecordNeverMatches) {
  const PageSignature notAHeader = {2, 0, 0, 0, 0x6C, 0, 0};
  Bytes data(200, 0);
  Bytes header = HeaderPrefix();
  header[0] = 2;
  Place(data, 60, header);
  EXPECT_TRUE(FindPageStarts(data.data(), data.size(), notAHeader).empty());
}

TEST(PageScan, ShortAndEmptyBuffersHaveNoStarts) {
  const Bytes tiny(10, 1);
  EXPECT_TRUE(FindPageStarts(tiny.data(), tiny.size(), kSignature).empty());
  EXPECT_TRUE(FindPageStarts(nullptr, 0, kSignature).empty());
}

TEST(PageScan, AMetafileEmbeddedInAPageStartsAPageOfItsOwn) {
  const Bytes page = DrawEmfPage(PageDrawing());
  Bytes data(16, 0xAA);
  data.insert(data.end(), page.begin(), page.end());
  data.insert(data.end(), page.begin(), page.end());  // stands for an embedded picture
  PageSignature signature;
  std::memcpy(signature, page.data(), kPageSignatureLength);
  signature[kPageSignatureLength] = 0;
  EXPECT_EQ(FindPageStarts(data.data(), data.size(), signature),
            (std::vector<std::size_t>{16, 16 + page.size()}));
}

}  // namespace
