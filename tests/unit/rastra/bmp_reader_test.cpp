#include "bmp_reader.h"
#include "rastra_result.h"
#include "sample_bmp.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

void ExpectPixels(const Image& image, const BmpSample& sample) {
  const std::vector<RgbPixel> expected = ExpectedSamplePixels(sample);
  ASSERT_EQ(image.width, static_cast<std::uint32_t>(sample.width));
  ASSERT_EQ(image.height, static_cast<std::uint32_t>(sample.height));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const RgbPixel actual{image.rgb[3 * i], image.rgb[3 * i + 1], image.rgb[3 * i + 2]};
    ASSERT_EQ(actual, expected[i]) << "pixel " << i % sample.width << "," << i / sample.width;
  }
}

void SetU32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void SetU16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
  bytes[offset] = static_cast<std::uint8_t>(value);
  bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

long Read(const Bytes& bytes) {
  Image image;
  return ReadBmp(bytes, image);
}

Bytes Sample(BmpKind kind, int width = 13, int height = 21) { return BuildSampleBmp({kind, width, height, false}); }

// Header field offsets in the file.
constexpr std::size_t kOffBits = 10, kInfoSize = 14, kWidth = 18, kHeight = 22, kPlanes = 26, kBitCount = 28,
                      kCompression = 30, kClrUsed = 46, kMasks = 54;

}  // namespace

TEST(RastraBmpReader, DecodesEveryDepthInBothOrientationsWithOddWidths) {
  for (BmpKind kind : AllBmpKinds()) {
    for (bool topDown : {false, true}) {
      for (int width : {1, 2, 3, 7, 31, 101}) {
        const BmpSample sample{kind, width, 29, topDown};
        SCOPED_TRACE(SampleName(sample) + " width " + std::to_string(width));
        Image image;
        ASSERT_EQ(ReadBmp(BuildSampleBmp(sample), image), RASTRA_OK);
        ExpectPixels(image, sample);
      }
    }
  }
}

TEST(RastraBmpReader, KeepsThePaletteAndIndicesOfIndexedSources) {
  Image image;
  ASSERT_EQ(ReadBmp(Sample(BmpKind::Indexed4), image), RASTRA_OK);
  ASSERT_EQ(image.palette.size(), 16u);
  ASSERT_EQ(image.indices.size(), std::size_t(13) * 21);
  for (std::size_t i = 0; i < image.indices.size(); ++i) {
    const Rgb& entry = image.palette[image.indices[i]];
    ASSERT_EQ(entry, (Rgb{image.rgb[3 * i], image.rgb[3 * i + 1], image.rgb[3 * i + 2]}));
  }
  ASSERT_EQ(ReadBmp(Sample(BmpKind::Rgb24), image), RASTRA_OK);
  EXPECT_FALSE(image.indexed());
  EXPECT_EQ(image.pixelsPerMeterX, 3780u);
}

TEST(RastraBmpReader, HonoursAShortColourTableAndRefusesIndicesBeyondIt) {
  Bytes bytes = Sample(BmpKind::Indexed8, 4, 1);
  // Two colours in the table, pixels moved up to follow it directly.
  SetU32(bytes, kClrUsed, 2);
  bytes.erase(bytes.begin() + 54 + 8, bytes.begin() + 54 + 1024);
  SetU32(bytes, kOffBits, 54 + 8);
  const std::size_t pixels = 54 + 8;
  std::memset(&bytes[pixels], 1, 4);
  Image image;
  ASSERT_EQ(ReadBmp(bytes, image), RASTRA_OK);
  EXPECT_EQ(image.palette.size(), 2u);
  EXPECT_EQ(image.pixel(3, 0), (Rgb{0, 0, 0}));
  bytes[pixels + 2] = 2;
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_MALFORMED);
  SetU32(bytes, kClrUsed, 257);
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_MALFORMED);
}

TEST(RastraBmpReader, ReadsMasksOfLargerInfoHeaders) {
  // A version 4 header (108 bytes) carries the masks inside it, at the same place.
  Bytes bytes = Sample(BmpKind::Rgb565, 5, 3);
  const std::size_t extra = 108 - 40 - 12;
  bytes.insert(bytes.begin() + 54 + 12, extra, 0);
  SetU32(bytes, kInfoSize, 108);
  SetU32(bytes, kOffBits, 14 + 108);
  Image image;
  ASSERT_EQ(ReadBmp(bytes, image), RASTRA_OK);
  ExpectPixels(image, {BmpKind::Rgb565, 5, 3, false});
}

TEST(RastraBmpReader, TakesWideMasksByTheirTopEightBits) {
  // 10 bits per channel in a 32-bit pixel.
  Bytes bytes = Sample(BmpKind::Bitfields32, 1, 1);
  SetU32(bytes, kMasks, 0x3FF00000);
  SetU32(bytes, kMasks + 4, 0x000FFC00);
  SetU32(bytes, kMasks + 8, 0x000003FF);
  SetU32(bytes, 66, (0x3FFu << 20) | (0x200u << 10) | 0x004);
  Image image;
  ASSERT_EQ(ReadBmp(bytes, image), RASTRA_OK);
  EXPECT_EQ(image.pixel(0, 0), (Rgb{255, 128, 1}));
}

TEST(RastraBmpReader, RefusesTruncatedFilesAndBogusOffsets) {
  for (BmpKind kind : AllBmpKinds()) {
    const Bytes whole = Sample(kind);
    SCOPED_TRACE(SampleName({kind, 13, 21, false}));
    for (std::size_t size : {std::size_t(0), std::size_t(2), std::size_t(14), std::size_t(20), std::size_t(53),
                             std::size_t(60), whole.size() / 2, whole.size() - 1}) {
      EXPECT_EQ(Read(Bytes(whole.begin(), whole.begin() + size)), RASTRA_ERROR_SOURCE_MALFORMED) << size;
    }
    Bytes bytes = whole;
    SetU32(bytes, kOffBits, 0xFFFFFFF0);
    EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_MALFORMED);
    SetU32(bytes, kOffBits, 20);  // inside the header
    EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_MALFORMED);
  }
}

TEST(RastraBmpReader, RefusesHeadersWhoseSizesOverflowOrContradictTheFile) {
  const Bytes whole = Sample(BmpKind::Rgb24);
  const struct {
    std::size_t offset;
    std::uint32_t value;
  } cases[] = {
      {kWidth, 0x7FFFFFFF},  // stride overflows 32 bits
      {kWidth, 0},          {kWidth, 0xFFFFFFFF}, {kHeight, 0},          {kHeight, 0x80000000},
      {kHeight, 0x7FFFFFFF}, {kInfoSize, 39},     {kInfoSize, 0xFFFFFFF0},
  };
  for (const auto& c : cases) {
    Bytes bytes = whole;
    SetU32(bytes, c.offset, c.value);
    EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_MALFORMED) << "field at " << c.offset << " = " << c.value;
  }
  Bytes bytes = whole;
  SetU16(bytes, kPlanes, 2);
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_MALFORMED);
  bytes = Sample(BmpKind::Bitfields32);
  SetU32(bytes, kWidth, 0x40000001);  // width * 32 bits overflows 32-bit arithmetic
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_MALFORMED);
}

TEST(RastraBmpReader, RefusesMoreThanTheLargestPictureEvenWhenTheFileHoldsIt) {
  // One-bit rows keep the file small: 65536 x 1100 pixels in about 9 MB.
  Bytes bytes = Sample(BmpKind::Indexed1, 1, 1);
  bytes.resize(62);
  SetU32(bytes, kWidth, 65536);
  SetU32(bytes, kHeight, 1100);
  bytes.resize(62 + std::size_t(65536 / 8) * 1100);
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_IMAGE_TOO_LARGE);
}

TEST(RastraBmpReader, RefusesUnusableMasks) {
  const std::uint32_t badMasks[][3] = {
      {0, 0x07E0, 0x001F},          // empty
      {0xF800, 0xFFE0, 0x001F},     // overlapping
      {0xF0F0, 0x0700, 0x000F},     // not contiguous
      {0x1F0000, 0x07E0, 0x001F},   // beyond 16 bits
  };
  for (const auto& masks : badMasks) {
    Bytes bytes = Sample(BmpKind::Rgb565);
    for (int i = 0; i < 3; ++i) SetU32(bytes, kMasks + 4 * i, masks[i]);
    EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_MALFORMED) << std::hex << masks[0] << " " << masks[1];
  }
  Bytes bytes = Sample(BmpKind::Rgb24);
  SetU32(bytes, kCompression, 3);  // masks make no sense at 24 bits
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_MALFORMED);
}

TEST(RastraBmpReader, ReportsValidButUnreadKindsAsUnsupported) {
  Bytes bytes = Sample(BmpKind::Indexed8);
  SetU32(bytes, kCompression, 1);  // run-length encoded
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_UNSUPPORTED);
  bytes = Sample(BmpKind::Rgb24);
  SetU32(bytes, kCompression, 4);  // embedded JPEG
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_UNSUPPORTED);
  bytes = Sample(BmpKind::Indexed8);
  SetU16(bytes, kBitCount, 2);
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_UNSUPPORTED);
  bytes = Sample(BmpKind::Rgb24);
  SetU32(bytes, kInfoSize, 12);  // OS/2 core header
  EXPECT_EQ(Read(bytes), RASTRA_ERROR_SOURCE_UNSUPPORTED);
}
