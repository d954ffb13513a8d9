// Drawing only what the screen repaints: clipped sheets, left-out cells and the page cache.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "framework/gdi_holders.h"
#include "page_bitmap_cache.h"
#include "page_footprint.h"
#include "sheet_canvas.h"
#include "sheet_renderer.h"
#include "test_pages.h"

namespace {

// A 16-up A4 sheet at 200 %.
constexpr int kSheetWidth = 840;
constexpr int kSheetHeight = 1188;

void ClipTo(const SheetCanvas& canvas, const RECT& area) {
  CGdiObject<HRGN> region(CreateRectRgnIndirect(&area));
  SelectClipRgn(canvas.dc(), region.get());
}

int CountDifferent(const SheetCanvas& a, const SheetCanvas& b, const RECT& area) {
  int different = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) different += a.Pixel(x, y) != b.Pixel(x, y);
  }
  return different;
}

// Real spool pages and pages drawn with GDI, 18 in all, so that two sheets of 16 differ.
void AddMixedPages(TestPages& pages) {
  const std::string folder = std::string(QUILLOR_REAL_FIXTURES) + "\\emf\\";
  CPageStore store;
  for (const char* name : {"hughbeEmfReader__spoolpage_EMFSpool_0000.emf",
                           "hughbeEmfReader__spoolpage_EMFSpool_0001.emf",
                           "hughbeEmfReader__spoolpage_EMFSpool_0006.emf"}) {
    PageEntry entry;
    ASSERT_TRUE(store.LoadPageFile(folder + name, entry)) << name;
    pages.Adopt(entry);
  }
  for (int i = 0; i < 15; ++i) pages.AddLabelled("Page " + std::to_string(i));
}

OptionSettings Decorated() {
  OptionSettings options;
  options.pageBorder = kPageBorderFrame;
  options.pageNumberPos = kPageNumberRightBottom;
  options.pageMargins = 2;
  options.watermarks = {{"draft", "CONFIDENTIAL DRAFT", kWatermarkTypeOutline}};
  options.watermarkSel = 1;
  return options;
}

struct ClipCase {
  const char* name;
  SheetLayout layout;
  int sheet;
};

class ClippedSheet : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClippedSheet, ShowsInsideTheClipWhatTheWholeSheetShows) {
  const ClipCase& sheetCase = GetParam();
  TestPages pages;
  AddMixedPages(pages);
  const OptionSettings options = Decorated();
  const RECT r = {0, 0, kSheetWidth, kSheetHeight};
  // Through the middle of some cells, wholly past others.
  const RECT clip = {kSheetWidth / 3, kSheetHeight / 5, kSheetWidth * 3 / 4, kSheetHeight / 2};
  const auto draw = [&](const SheetCanvas& canvas, CPageBitmapCache* cache) {
    ASSERT_TRUE(DrawSheet(canvas.dc(), r, pages.entries(), sheetCase.layout, sheetCase.sheet,
                          options, SelectedWatermark(options), cache));
  };

  SheetCanvas whole(kSheetWidth, kSheetHeight);
  draw(whole, nullptr);
  SheetCanvas clipped(kSheetWidth, kSheetHeight);
  ClipTo(clipped, clip);
  draw(clipped, nullptr);
  // The cache keeps pages from their second drawing on; the third shows them from bitmaps.
  SheetCanvas cached(kSheetWidth, kSheetHeight);
  ClipTo(cached, clip);
  CPageBitmapCache cache;
  for (int i = 0; i < 3; ++i) draw(cached, &cache);

  EXPECT_GT(whole.CountDark(clip), 0);
  EXPECT_EQ(CountDifferent(whole, clipped, clip), 0);
  EXPECT_EQ(CountDifferent(whole, cached, clip), 0);
  EXPECT_GT(cache.size(), 0u);
  EXPECT_TRUE(clipped.IsUntouched(0, 0));
  EXPECT_TRUE(clipped.IsUntouched(kSheetWidth - 1, kSheetHeight - 1));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ClippedSheet,
    ::testing::Values(ClipCase{"Across16", {16, false, false}, 0},
                      ClipCase{"Down8", {8, true, false}, 1},
                      ClipCase{"Repeat16", {16, false, true}, 2},
                      ClipCase{"Across4", {4, false, false}, 1}),
    [](const ::testing::TestParamInfo<ClipCase>& info) { return info.param.name; });

// A page drawn in the top-left cell of a 200 x 200 sheet at four per sheet whose picture
// reaches into the bottom-right cell; the clip takes only that cell's far part.
bool SpillShowsInBottomRightCell(bool hideSpill, bool clipped) {
  TestPages pages;
  pages.AddSpilling(hideSpill);
  SheetCanvas canvas(200, 200);
  if (clipped) ClipTo(canvas, {120, 120, 200, 200});
  OptionSettings options;
  options.pageBorder = kPageBorderNone;
  DrawSheet(canvas.dc(), canvas.Whole(), pages.entries(), {4, false, false}, 0, options, nullptr);
  return canvas.IsDark(150, 150);
}

TEST(ClippedSheet, LeavesOutOnlyPagesThatCannotReachTheClip) {
  EXPECT_TRUE(SpillShowsInBottomRightCell(false, true));
  // A picture that hides where it draws is not played where its cell misses the clip...
  EXPECT_FALSE(SpillShowsInBottomRightCell(true, true));
  // ...but every page is played where the caller did not clip: printers and export.
  EXPECT_TRUE(SpillShowsInBottomRightCell(true, false));
  EXPECT_TRUE(SpillShowsInBottomRightCell(false, false));
}

// A metafile of nothing but a header with this frame and these recorded bounds.
HENHMETAFILE BareMetafile(const RECTL& frame, const RECTL& bounds) {
  ENHMETAHEADER header = {};
  header.iType = EMR_HEADER;
  header.nSize = sizeof header;
  header.rclBounds = bounds;
  header.rclFrame = frame;
  header.dSignature = ENHMETA_SIGNATURE;
  header.nVersion = 0x10000;
  header.nBytes = sizeof header + sizeof(EMREOF);
  header.nRecords = 2;
  header.nHandles = 1;
  header.szlDevice = {1024, 768};
  header.szlMillimeters = {320, 240};
  EMREOF end = {};
  end.emr = {EMR_EOF, sizeof end};
  end.offPalEntries = sizeof end - sizeof(DWORD);
  end.nSizeLast = sizeof end;
  std::vector<BYTE> bytes(header.nBytes);
  std::memcpy(bytes.data(), &header, sizeof header);
  std::memcpy(bytes.data() + sizeof header, &end, sizeof end);
  return SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
}

TEST(PageFootprint, FramesAndBoundsAtTheEndsOfTheIntRangeStayWithinGdiCoordinates) {
  const RECT page = {100, 100, 400, 500};
  const RECTL widest = {INT_MIN + 1, INT_MIN + 1, INT_MAX, INT_MAX};
  const RECTL narrow = {0, 0, 1, 1};
  for (const RECTL& frame : {widest, narrow}) {
    for (const RECTL& bounds : {widest, narrow}) {
      CScopedEnhMetaFile metafile(BareMetafile(frame, bounds));
      ASSERT_TRUE(metafile);
      const RECT footprint = PageFootprint(metafile.get(), page);
      RECT joined;
      UnionRect(&joined, &footprint, &page);
      EXPECT_TRUE(EqualRect(&joined, &footprint)) << "the footprint holds the page";
      constexpr LONG kReach = (1 << 27) + 1000;
      EXPECT_GE(footprint.left, -kReach);
      EXPECT_GE(footprint.top, -kReach);
      EXPECT_LE(footprint.right, kReach);
      EXPECT_LE(footprint.bottom, kReach);
    }
  }
}

}  // namespace
