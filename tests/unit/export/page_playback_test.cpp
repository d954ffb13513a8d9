#include <gtest/gtest.h>

#include "framework/gdi_holders.h"
#include "page_playback.h"
#include "page_store.h"
#include "render_page.h"
#include "screen_fixture.h"
#include "temp_dir.h"

namespace {

ENHMETARECORD Record(DWORD type, DWORD index) {
  ENHMETARECORD record = {};
  record.iType = type;
  record.nSize = sizeof(EMR) + sizeof(DWORD);
  record.dParm[0] = index;
  return record;
}

TEST(IsPlayableRecord, ObjectRecordsMustNameASlotOfTheTable) {
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_CREATEPEN, 1), 4));
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_DELETEOBJECT, 3), 4));
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_DELETEOBJECT, 4), 4));
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_EXTCREATEFONTINDIRECTW, 0), 4));
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_CREATEBRUSHINDIRECT, 70000), 4));
}

TEST(IsPlayableRecord, OnlySelectionsMayNameStockObjects) {
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_SELECTOBJECT, 0x80000007), 1));
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_SELECTPALETTE, 0x8000000F), 1));
  // The stock colour space that real spool pages set.
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_SETCOLORSPACE, 0x80000014), 4));
  EXPECT_FALSE(IsPlayableRecord(Record(EMR_DELETEOBJECT, 0x80000000), 4));
}

TEST(IsPlayableRecord, LeavesOtherRecordsAloneAndRefusesTruncatedObjectRecords) {
  EXPECT_TRUE(IsPlayableRecord(Record(EMR_LINETO, 0x80000014), 0));
  ENHMETARECORD truncated = Record(EMR_SELECTOBJECT, 1);
  truncated.nSize = sizeof(EMR);
  EXPECT_FALSE(IsPlayableRecord(truncated, 4));
}

// An A4 page of three black bars, one in each third of the page, top to bottom.
constexpr int kBars = 3;
constexpr int kBarTop[kBars] = {2000, 12000, 22000};
constexpr int kBarHeight = 6000;

Bytes BarsPage() {
  const RECT frame = {0, 0, 21000, 29700};
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  // Recorded in 0.01 mm, the frame's own units, y upwards.
  SetMapMode(dc, MM_HIMETRIC);
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  for (int top : kBarTop) Rectangle(dc, 2000, -top, 19000, -(top + kBarHeight));
  CScopedEnhMetaFile page(CloseEnhMetaFile(dc));
  Bytes bytes(GetEnhMetaFileBits(page.get(), 0, nullptr));
  GetEnhMetaFileBits(page.get(), static_cast<UINT>(bytes.size()), bytes.data());
  return bytes;
}

// Offsets of the page's records of one type, in chain order.
std::vector<std::size_t> RecordsOfType(const Bytes& page, DWORD type) {
  std::vector<std::size_t> offsets;
  for (std::size_t at = 0; at + 8 <= page.size(); at += GetU32(page, at + 4)) {
    if (GetU32(page, at) == type) offsets.push_back(at);
    if (GetU32(page, at + 4) == 0) break;
  }
  return offsets;
}

enum class ChainBreak { SizeZero, SizeNotMultipleOfFour, PastRecordedSize };

// The page with the chain broken at the record at `at`.
Bytes Broken(Bytes page, std::size_t at, ChainBreak kind) {
  const std::uint32_t size = GetU32(page, at + 4);
  switch (kind) {
    case ChainBreak::SizeZero: PutU32(page, at + 4, 0); break;
    case ChainBreak::SizeNotMultipleOfFour: PutU32(page, at + 4, size + 2); break;
    case ChainBreak::PastRecordedSize:
      PutU32(page, at + 4, static_cast<std::uint32_t>(page.size() - at + 8));
      break;
  }
  return page;
}

class BrokenChainTest : public ScreenFixture {
 protected:
  // Whether the bar of each third shows in a drawing `height` pixels tall, sampled mid-bar.
  template <typename Pixel>
  void ExpectBars(int drawnBars, int width, int height, Pixel pixelAt, const char* where) {
    for (int bar = 0; bar < kBars; ++bar) {
      const int y = (kBarTop[bar] + kBarHeight / 2) * height / 29700;
      const bool black = pixelAt(width / 2, y) == 0;
      EXPECT_EQ(black, bar < drawnBars) << where << ": bar " << bar;
    }
  }

  TempDir dir;
};

// A page file runs on past its metafile to the next page: the metafile made from its
// bytes is the bytes its header counts. A header counting more than there are is left to
// the check of the page file, as the platform would read that many.
TEST(MetafileFromPageBytes, TakesTheBytesTheHeaderCountsWhenThePageHoldsThem) {
  Bytes page = BarsPage();
  const std::uint32_t counted = GetU32(page, 48);
  page.insert(page.end(), 8, 0xAB);
  CScopedEnhMetaFile made(MetafileFromPageBytes(page.data(), page.size()));
  ASSERT_TRUE(made);
  EXPECT_EQ(GetEnhMetaFileBits(made.get(), 0, nullptr), counted);

  page.resize(counted);
  PutU32(page, 48, counted + 64);
  EXPECT_EQ(MetafileFromPageBytes(page.data(), page.size()), nullptr);
}

// Broken at the first bar (the start), the second (the middle) and the end record: the
// bars before the break are drawn, nothing from it on, and nothing hangs. Export plays
// the page file; screen and printing play the page store's metafile, which a page cut
// from a spool file has made from its bytes.
TEST_F(BrokenChainTest, DrawsTheWholeRecordsBeforeTheBreakOnScreenInPrintAndInExport) {
  const Bytes sound = BarsPage();
  std::vector<std::size_t> breaks = RecordsOfType(sound, EMR_RECTANGLE);
  ASSERT_EQ(breaks.size(), static_cast<std::size_t>(kBars));
  breaks.resize(2);
  breaks.push_back(RecordsOfType(sound, EMR_EOF).at(0));
  for (ChainBreak kind : {ChainBreak::SizeZero, ChainBreak::SizeNotMultipleOfFour,
                          ChainBreak::PastRecordedSize}) {
    for (int b = 0; b < 3; ++b) {
      SCOPED_TRACE(testing::Message() << "break kind " << static_cast<int>(kind) << " at " << b);
      const std::string pagePath = dir.file("broken.emf");
      WriteFileBytes(pagePath, Broken(sound, breaks[b], kind));
      const int drawnBars = b == 2 ? kBars : b;

      const std::string bmpPath = dir.file("broken.bmp");
      ASSERT_EQ(RenderPageToBmp(pagePath.c_str(), bmpPath.c_str()), 1);
      const BmpFile bmp = ReadBmp(bmpPath);
      ExpectBars(drawnBars, bmp.width(), bmp.height(),
                 [&bmp](int x, int y) { return bmp.pixel32(x, y); }, "export");

      // The page store's metafile, opened from the page file or made from the cut bytes.
      CPageStore store;
      PageEntry entry;
      ASSERT_TRUE(store.LoadPageFile(pagePath, entry));
      const Bytes bytes = ReadFileBytes(pagePath);
      const std::pair<HENHMETAFILE, const char*> pages[] = {
          {entry.hMetaFile, "screen"}, {MetafileFromPageBytes(bytes.data(), bytes.size()), "cut"}};
      for (const auto& [metafile, where] : pages) {
        CScopedEnhMetaFile page(metafile);
        ASSERT_TRUE(page) << where;
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 210, -297, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        CMemoryDC memory(nullptr);
        CGdiObject<HBITMAP> canvas(
            CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        CScopedSelect selected(memory.get(), canvas.get());
        const RECT area = {0, 0, 210, 297};
        FillRect(memory.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        PlayPageMetafile(memory.get(), page.get(), area);
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        ExpectBars(drawnBars, 210, 297,
                   [pixels](int x, int y) { return pixels[y * 210 + x] & 0xFFFFFF; }, where);
      }
    }
  }
}

}  // namespace
