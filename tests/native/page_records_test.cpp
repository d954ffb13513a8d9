#include "page_records.h"

#include <gtest/gtest.h>

#include "spool_format.h"

namespace {

using Page = std::vector<unsigned char>;

constexpr std::uint32_t kEmrLineTo = 54;
constexpr std::uint32_t kLineToBytes = 16;
constexpr std::size_t kHeaderBytes = 108;

void Put32(Page& page, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) page[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

void Append32(Page& page, std::uint32_t value) {
  page.resize(page.size() + 4);
  Put32(page, page.size() - 4, value);
}

// A page of a header, `lines` line records and an end record, its header telling its
// size and record count as a sound page does.
Page SoundPage(int lines) {
  Page page(kHeaderBytes, 0);
  Put32(page, 0, kEmrHeader);
  Put32(page, 4, kHeaderBytes);
  Put32(page, kEmfSignatureOffset, kEnhMetaSignature);
  Put32(page, kEmfHandlesOffset, 1);
  Put32(page, kEmfPalEntriesOffset, 0);
  for (int i = 0; i < lines; ++i) {
    for (std::uint32_t field : {kEmrLineTo, kLineToBytes, 10u * i, 20u * i}) Append32(page, field);
  }
  for (std::uint32_t field : {std::uint32_t(kEmrEof), std::uint32_t(kEmrEofBytes), 0u, 16u,
                              std::uint32_t(kEmrEofBytes)})
    Append32(page, field);
  Put32(page, kEmfBytesOffset, static_cast<std::uint32_t>(page.size()));
  Put32(page, kEmfRecordsOffset, lines + 2);
  return page;
}

std::size_t LineAt(int index) { return kHeaderBytes + index * kLineToBytes; }

enum class Break { SizeZero, SizeNotMultipleOfFour, PastRecordedSize };

// Breaks the chain at line record `index` the given way.
void BreakAt(Page& page, int index, Break kind) {
  const std::size_t at = LineAt(index);
  switch (kind) {
    case Break::SizeZero:
      Put32(page, at + 4, 0);
      break;
    case Break::SizeNotMultipleOfFour:
      Put32(page, at + 4, kLineToBytes + 2);
      break;
    case Break::PastRecordedSize:
      Put32(page, at + 4, static_cast<std::uint32_t>(page.size() - at + 4));
      break;
  }
}

TEST(RecordChain, ASoundPageIsWalkedToItsEndRecord) {
  const Page page = SoundPage(5);
  const RecordChain chain = WalkRecordChain(page.data(), page.size());
  EXPECT_FALSE(chain.broken);
  EXPECT_EQ(chain.wholeBytes, page.size());
  EXPECT_EQ(chain.records, 7u);
  // Bytes after the end record are not the page's.
  Page trailing = page;
  trailing.resize(page.size() + 64, 0);
  EXPECT_FALSE(WalkRecordChain(trailing.data(), trailing.size()).broken);
}

TEST(RecordChain, KeepsTheWholeRecordsBeforeABreakAtStartMiddleAndEnd) {
  constexpr int kLines = 9;
  for (Break kind : {Break::SizeZero, Break::SizeNotMultipleOfFour, Break::PastRecordedSize}) {
    for (int index : {0, kLines / 2, kLines - 1}) {
      Page page = SoundPage(kLines);
      BreakAt(page, index, kind);
      const RecordChain chain = WalkRecordChain(page.data(), page.size());
      SCOPED_TRACE(testing::Message() << "break " << static_cast<int>(kind) << " at " << index);
      EXPECT_TRUE(chain.broken);
      EXPECT_EQ(chain.wholeBytes, LineAt(index));
      EXPECT_EQ(chain.records, static_cast<std::uint32_t>(index + 1));

      const Page cut = CutAtBrokenRecord(page.data(), chain);
      ASSERT_EQ(cut.size(), LineAt(index) + kEmrEofBytes);
      EXPECT_TRUE(std::equal(page.begin() + kHeaderBytes, page.begin() + LineAt(index),
                             cut.begin() + kHeaderBytes));
      EXPECT_EQ(ReadLittleEndian32(&cut[kEmfBytesOffset]), cut.size());
      EXPECT_EQ(ReadLittleEndian32(&cut[kEmfRecordsOffset]), chain.records + 1);
      const RecordChain again = WalkRecordChain(cut.data(), cut.size());
      EXPECT_FALSE(again.broken);
      EXPECT_EQ(again.records, chain.records + 1);
    }
  }
}

TEST(RecordChain, ARecordPastTheRecordedSizeBreaksEvenWithinTheFile) {
  Page page = SoundPage(4);
  // The header says the page ends inside the third line record.
  Put32(page, kEmfBytesOffset, static_cast<std::uint32_t>(LineAt(2) + 8));
  const RecordChain chain = WalkRecordChain(page.data(), page.size());
  EXPECT_TRUE(chain.broken);
  EXPECT_EQ(chain.wholeBytes, LineAt(2));
  // A page cut short in transfer breaks the same way.
  Put32(page, kEmfBytesOffset, static_cast<std::uint32_t>(page.size()));
  const Page shortPage(page.begin(), page.begin() + LineAt(3) + 4);
  EXPECT_EQ(WalkRecordChain(shortPage.data(), shortPage.size()).wholeBytes, LineAt(3));
}

TEST(RecordChain, ABrokenHeaderRecordLeavesNothingToDraw) {
  Page page = SoundPage(2);
  Put32(page, 4, 84);
  RecordChain chain = WalkRecordChain(page.data(), page.size());
  EXPECT_TRUE(chain.broken);
  EXPECT_EQ(chain.records, 0u);
  EXPECT_TRUE(CutAtBrokenRecord(page.data(), chain).empty());
  EXPECT_TRUE(WalkRecordChain(page.data(), 40).broken);
}

TEST(RecordChain, ACutPageDropsHeaderReferencesBeyondTheHeaderRecord) {
  Page page = SoundPage(3);
  Put32(page, kEmfDescriptionOffset, 10);
  Put32(page, kEmfDescriptionOffset + 4, 100);  // 20 bytes from 100: past the header record
  Put32(page, kEmfPalEntriesOffset, 2);
  BreakAt(page, 1, Break::SizeZero);
  const Page cut = CutAtBrokenRecord(page.data(), WalkRecordChain(page.data(), page.size()));
  EXPECT_EQ(ReadLittleEndian32(&cut[kEmfDescriptionOffset]), 0u);
  EXPECT_EQ(ReadLittleEndian32(&cut[kEmfDescriptionOffset + 4]), 0u);
  EXPECT_EQ(ReadLittleEndian32(&cut[kEmfPalEntriesOffset]), 0u);
}

TEST(IsPlayableRecord, ReadsTheObjectIndexOnlyFromRecordsLongEnoughToHoldIt) {
  Page record;
  for (std::uint32_t field : {std::uint32_t(kEmrSelectObject), 12u, 3u}) Append32(record, field);
  EXPECT_TRUE(IsPlayableRecord(record.data(), 12, 4));
  EXPECT_FALSE(IsPlayableRecord(record.data(), 12, 3));
  EXPECT_FALSE(IsPlayableRecord(record.data(), 8, 4));
  EXPECT_FALSE(IsPlayableRecord(record.data(), 4, 4));
}

}  // namespace
