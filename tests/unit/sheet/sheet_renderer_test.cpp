#include "sheet_renderer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "sheet_canvas.h"
#include "shown_pages.h"
#include "test_pages.h"
#include "turned_picture.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kPageColours[] = {RGB(255, 0, 0),   RGB(0, 0, 255),   RGB(255, 255, 0),
                                     RGB(0, 255, 255), RGB(255, 0, 255), RGB(128, 0, 0)};

OptionSettings Plain() {
  OptionSettings options;
  options.pageBorder = kPageBorderNone;
  return options;
}

POINT CentreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The x positions of dark pixels along row y of r.
std::set<int> DarkColumns(const SheetCanvas& canvas, const RECT& r, int y) {
  std::set<int> columns;
  for (int x = r.left; x < r.right; ++x) {
    if (canvas.IsDark(x, y)) columns.insert(x);
  }
  return columns;
}

std::set<int> DarkRows(const SheetCanvas& canvas, const RECT& r, int x) {
  std::set<int> rows;
  for (int y = r.top; y < r.bottom; ++y) {
    if (canvas.IsDark(x, y)) rows.insert(y);
  }
  return rows;
}

TEST(DrawSheet, FillsOnlyItsRectangleWhiteAndReportsTheDrawing) {
  SheetCanvas canvas(300, 300);
  TestPages pages;
  pages.AddBlank(210, 297);
  const RECT r = {20, 30, 220, 280};
  EXPECT_TRUE(DrawSheet(canvas.dc(), r, pages.entries(), {}, 0, Plain(), nullptr));
  EXPECT_TRUE(canvas.IsWhite(20, 30));
  EXPECT_TRUE(canvas.IsWhite(219, 279));
  EXPECT_TRUE(canvas.IsUntouched(19, 30));
  EXPECT_TRUE(canvas.IsUntouched(220, 100));
  EXPECT_TRUE(canvas.IsUntouched(100, 280));
}

// A page whose top half is red and bottom half blue, turned in a 1-up sheet: where the red
// half lands shows the turn, and the page's turned rectangle keeps the sheet's aspect rule.
TEST(DrawSheet, TurnedPagesDrawTurnedInTheirTurnedRectangle) {
  constexpr COLORREF kBlue = RGB(0, 0, 255);
  struct Case {
    int turns;
    POINT red, blue;  // where each half shows, as fractions of the page rectangle in 4ths
  };
  const Case cases[] = {{0, {2, 1}, {2, 3}}, {1, {3, 2}, {1, 2}}, {2, {2, 3}, {2, 1}},
                        {3, {1, 2}, {3, 2}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.turns);
    SheetCanvas canvas(300, 300);
    TestPages pages;
    pages.AddTopAndBottom(200, 100, kRed, kBlue);
    pages.entry(0).quarterTurns = c.turns;
    const RECT r = canvas.Whole();
    ASSERT_TRUE(DrawSheet(canvas.dc(), r, pages.entries(), {}, 0, Plain(), nullptr));
    const RECT page = TurnedPageRectInCell(r, pages.entries()[0], Plain().pageMargins);
    const LONG width = page.right - page.left;
    const LONG height = page.bottom - page.top;
    EXPECT_EQ(c.turns % 2 ? height : width, 300);
    EXPECT_EQ(c.turns % 2 ? width : height, 150);
    auto at = [&page, width, height](POINT quarter) {
      return POINT{page.left + width * quarter.x / 4, page.top + height * quarter.y / 4};
    };
    EXPECT_EQ(canvas.Pixel(at(c.red).x, at(c.red).y), kRed);
    EXPECT_EQ(canvas.Pixel(at(c.blue).x, at(c.blue).y), kBlue);
    // Printers get the same page as a turned picture.
    SheetCanvas printed(300, 300);
    ASSERT_TRUE(DrawTurnedPicture(printed.dc(), pages.entries()[0], page));
    EXPECT_EQ(printed.Pixel(at(c.red).x, at(c.red).y), kRed);
    EXPECT_EQ(printed.Pixel(at(c.blue).x, at(c.blue).y), kBlue);
  }
  const std::uint32_t upright[] = {1, 2, 3, 4, 5, 6};  // 3 wide, 2 high
  std::uint32_t pixels[6];
  TurnPixels(upright, 3, 2, 1, pixels);
  EXPECT_EQ(std::vector<std::uint32_t>(pixels, pixels + 6), (std::vector<std::uint32_t>{4, 1, 5, 2, 6, 3}));
  TurnPixels(upright, 3, 2, 3, pixels);
  EXPECT_EQ(std::vector<std::uint32_t>(pixels, pixels + 6), (std::vector<std::uint32_t>{3, 6, 2, 5, 1, 4}));
  // In every layout a quarter turn gives the page the cell-fitting rectangle of its
  // sides swapped.
  TestPages a4;
  a4.AddBlank(210, 297);
  PageEntry turned = a4.entries()[0];
  turned.quarterTurns = 1;
  for (int choice : kPagesPerSheetChoices) {
    SheetLayout layout;
    layout.pagesPerSheet = choice;
    const RECT sheet = {0, 0, IsLandscapeLayout(choice) ? 2970 : 2100,
                        IsLandscapeLayout(choice) ? 2100 : 2970};
    const RECT cell = CellRect(sheet, layout, {0, 0});
    const RECT expected = PageRectInCell(cell, 297, 210, kPageMarginsNone);
    const RECT actual = TurnedPageRectInCell(cell, turned, kPageMarginsNone);
    EXPECT_TRUE(EqualRect(&expected, &actual)) << choice;
  }
}

TEST(DrawSheet, TrimmedMarginsDrawTheInkLargerInsideEachPagesRectangle) {
  TestPages pages;
  for (int i = 0; i < 4; ++i) pages.AddInset(210, 297);
  pages.entry(3).quarterTurns = 1;
  SheetLayout fourUp;
  fourUp.pagesPerSheet = 4;
  SheetLayout trimmed = fourUp;
  trimmed.trimMargins = true;
  for (int page : {0, 3}) {
    SCOPED_TRACE(page);
    SheetCanvas whole(420, 594), trim(420, 594);
    ASSERT_TRUE(DrawSheet(whole.dc(), whole.Whole(), pages.entries(), fourUp, 0, Plain(), nullptr));
    ASSERT_TRUE(DrawSheet(trim.dc(), trim.Whole(), pages.entries(), trimmed, 0, Plain(), nullptr));
    const RECT cell = CellRect(whole.Whole(), fourUp, {page / 2, page % 2});
    const RECT before = whole.DarkBounds(cell), after = trim.DarkBounds(cell);
    // The box covers a fifth of the page; trimmed, the ink box and its margin fill the cell.
    EXPECT_GT(after.right - after.left, 3 * (before.right - before.left));
    EXPECT_GT(after.bottom - after.top, 3 * (before.bottom - before.top));
    // Nothing beyond the page's rectangle: the white paper fill is clipped to it.
    const RECT shown = TurnedPageRectInCell(cell, pages.entries()[page], kPageMarginsNone,
                                            TrimOfPage(pages.entries()[page], JobTrimOf(pages.entries())));
    EXPECT_GE(after.left, shown.left);
    EXPECT_LE(after.right, shown.right);
    EXPECT_LE(after.bottom, shown.bottom);
  }
  // The margin keeps a white band around the ink in every cell.
  SheetCanvas trim(420, 594);
  ASSERT_TRUE(DrawSheet(trim.dc(), trim.Whole(), pages.entries(), trimmed, 0, Plain(), nullptr));
  EXPECT_TRUE(trim.IsWhite(2, 2));
  // Printers draw turned pages as pictures, trimmed alike.
  const InkBox jobTrim = JobTrimOf(pages.entries());
  const PageTrim pageTrim = TrimOfPage(pages.entries()[3], jobTrim);
  const RECT cell = CellRect(trim.Whole(), fourUp, {1, 1});
  const RECT shown = TurnedPageRectInCell(cell, pages.entries()[3], kPageMarginsNone, pageTrim);
  SheetCanvas printed(420, 594);
  ASSERT_TRUE(DrawTurnedPicture(printed.dc(), pages.entries()[3], shown, pageTrim));
  const RECT screen = trim.DarkBounds(cell), paper = printed.DarkBounds(cell);
  EXPECT_NEAR(screen.left, paper.left, 2);
  EXPECT_NEAR(screen.right, paper.right, 2);
}

TEST(ShownPages, LeavesOutPagesDrawingNothingVisibleAndReachesTheJobsPages) {
  TestPages pages;
  pages.AddSolid(100, 100, kRed);
  pages.AddBlank(100, 100);
  pages.AddSolid(100, 100, RGB(255, 255, 255));
  pages.AddInset(100, 100);
  pages.AddWithoutMetafile(100, 100);
  ShownPages shown;
  shown.Refresh(pages.entries(), true);
  ASSERT_EQ(shown.Count(), 3);
  EXPECT_EQ(shown.LeftOut(), 2);
  EXPECT_EQ(shown.StoreIndex(0), 0);
  EXPECT_EQ(shown.StoreIndex(1), 3);
  EXPECT_EQ(shown.StoreIndex(2), 4);
  EXPECT_EQ(shown.StoreIndex(3), 5);
  EXPECT_EQ(shown.pages()[1].hMetaFile, pages.entries()[3].hMetaFile);
  shown.Refresh(pages.entries(), false);
  EXPECT_EQ(shown.Count(), 5);
  EXPECT_EQ(shown.LeftOut(), 0);
  EXPECT_EQ(shown.StoreIndex(2), 2);
}

TEST(DrawSheet, ASheetWithoutPagesDrawsNothingAndFails) {
  SheetCanvas canvas(100, 100);
  TestPages pages;
  pages.AddBlanks(5);
  const RECT r = canvas.Whole();
  const SheetLayout fourUp = {4, false, false};
  EXPECT_FALSE(DrawSheet(canvas.dc(), r, pages.entries(), fourUp, 2, Plain(), nullptr));
  EXPECT_FALSE(DrawSheet(canvas.dc(), r, pages.entries(), fourUp, -1, Plain(), nullptr));
  EXPECT_FALSE(DrawSheet(canvas.dc(), r, {}, {}, 0, Plain(), nullptr));
  EXPECT_TRUE(canvas.IsUntouched(50, 50));
  EXPECT_EQ(canvas.CountDark(r), 0);
}

TEST(DrawSheet, ThreePagesAtFourWithFrameLeaveOneWhiteCellAndDrawLinesAndFrame) {
  SheetCanvas canvas(400, 600);
  TestPages pages;
  for (int i = 0; i < 3; ++i) pages.AddSolid(200, 300, kRed);
  OptionSettings options;
  options.pageBorder = kPageBorderFrame;
  const RECT r = canvas.Whole();
  ASSERT_TRUE(DrawSheet(canvas.dc(), r, pages.entries(), {4, false, false}, 0, options, nullptr));

  EXPECT_EQ(canvas.Pixel(100, 150), kRed);
  EXPECT_EQ(canvas.Pixel(300, 150), kRed);
  EXPECT_EQ(canvas.Pixel(100, 450), kRed);
  const RECT empty = {201, 301, 394, 594};
  EXPECT_EQ(canvas.CountDark(empty), 0);
  for (int y = empty.top; y < empty.bottom; y += 7) {
    for (int x = empty.left; x < empty.right; x += 7) ASSERT_TRUE(canvas.IsWhite(x, y));
  }
  // One separator each way through the middle, the frame 5 units inside the edge.
  EXPECT_EQ(DarkColumns(canvas, r, 450), (std::set<int>{5, 200, 395}));
  EXPECT_EQ(DarkRows(canvas, r, 300), (std::set<int>{5, 300, 595}));
  EXPECT_EQ(canvas.Pixel(2, 2), kRed);
  EXPECT_TRUE(canvas.IsWhite(397, 597));
}

struct SeparatorCase {
  int pagesPerSheet;
  std::set<int> columns;  // relative to the sheet's left
  std::set<int> rows;     // relative to its top
};

void PrintTo(const SeparatorCase& layout, std::ostream* out) {
  *out << layout.pagesPerSheet << " per sheet";
}

class Separators : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(Separators, FallOnTheCellBoundariesOfTheWholeSheet) {
  const SeparatorCase& expected = GetParam();
  SheetCanvas canvas(450, 630);
  TestPages pages;
  pages.AddBlanks(16);
  const RECT r = {10, 10, 10 + 423, 10 + 602};
  OptionSettings options;
  options.pageBorder = kPageBorderSeparator;
  ASSERT_TRUE(DrawSheet(canvas.dc(), r, pages.entries(), {expected.pagesPerSheet, false, false},
                        0, options, nullptr));
  std::set<int> columns;
  for (int x : DarkColumns(canvas, r, r.top + 20)) columns.insert(x - r.left);
  std::set<int> rows;
  for (int y : DarkRows(canvas, r, r.left + 20)) rows.insert(y - r.top);
  EXPECT_EQ(columns, expected.columns);
  EXPECT_EQ(rows, expected.rows);
}

// 423 x 602: halves 211 and 301, thirds 141, quarters 105 and 150.
INSTANTIATE_TEST_SUITE_P(
    EveryLayout, Separators,
    ::testing::Values(SeparatorCase{1, {}, {}}, SeparatorCase{2, {211}, {}},
                      SeparatorCase{4, {211}, {301}}, SeparatorCase{6, {141, 282}, {301}},
                      SeparatorCase{8, {105, 210, 315}, {301}},
                      SeparatorCase{16, {105, 210, 315}, {150, 300, 450}}),
    [](const ::testing::TestParamInfo<SeparatorCase>& info) {
      return std::to_string(info.param.pagesPerSheet) + "PerSheet";
    });

TEST(DrawSheet, OnePageWithFrameDrawsOnlyTheFrameAndNoneDrawsNoLines) {
  SheetCanvas canvas(200, 300);
  TestPages pages;
  pages.AddBlank(200, 300);
  const RECT r = canvas.Whole();
  OptionSettings options;
  options.pageBorder = kPageBorderFrame;
  ASSERT_TRUE(DrawSheet(canvas.dc(), r, pages.entries(), {}, 0, options, nullptr));
  EXPECT_EQ(DarkColumns(canvas, r, 150), (std::set<int>{5, 195}));
  EXPECT_EQ(DarkRows(canvas, r, 100), (std::set<int>{5, 295}));

  SheetCanvas plain(200, 300);
  ASSERT_TRUE(DrawSheet(plain.dc(), r, pages.entries(), {16, false, false}, 0, Plain(), nullptr));
  EXPECT_EQ(plain.CountDark(r), 0);
}

TEST(DrawSheet, PagesTakeTheirCellsInTheLayoutsOrder) {
  TestPages pages;
  for (COLORREF colour : kPageColours) pages.AddSolid(100, 100, colour);
  const RECT r = {0, 0, 300, 200};
  const SheetLayout across = {6, false, false};
  const SheetLayout down = {6, true, false};
  SheetCanvas acrossCanvas(300, 200);
  SheetCanvas downCanvas(300, 200);
  ASSERT_TRUE(DrawSheet(acrossCanvas.dc(), r, pages.entries(), across, 0, Plain(), nullptr));
  ASSERT_TRUE(DrawSheet(downCanvas.dc(), r, pages.entries(), down, 0, Plain(), nullptr));
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      const POINT centre = CentreOf(CellRect(r, across, {row, column}));
      EXPECT_EQ(acrossCanvas.Pixel(centre.x, centre.y), kPageColours[row * 3 + column]);
      EXPECT_EQ(downCanvas.Pixel(centre.x, centre.y), kPageColours[column * 2 + row]);
    }
  }
}

TEST(DrawSheet, RepeatShowsTheSheetsPageInEveryCell) {
  TestPages pages;
  for (COLORREF colour : kPageColours) pages.AddSolid(100, 100, colour);
  const RECT r = {0, 0, 400, 400};
  const SheetLayout repeat = {16, false, true};
  SheetCanvas canvas(400, 400);
  ASSERT_TRUE(DrawSheet(canvas.dc(), r, pages.entries(), repeat, 2, Plain(), nullptr));
  for (int visit = 0; visit < 16; ++visit) {
    const POINT centre = CentreOf(CellRect(r, repeat, CellOfVisit(repeat, visit)));
    EXPECT_EQ(canvas.Pixel(centre.x, centre.y), kPageColours[2]) << visit;
  }
}

TEST(DrawSheet, LastSheetLeavesCellsWithoutPagesWhite) {
  TestPages pages;
  for (int i = 0; i < 5; ++i) pages.AddSolid(100, 100, kRed);
  const RECT r = {0, 0, 200, 200};
  const SheetLayout fourUp = {4, false, false};
  SheetCanvas canvas(200, 200);
  ASSERT_TRUE(DrawSheet(canvas.dc(), r, pages.entries(), fourUp, 1, Plain(), nullptr));
  EXPECT_EQ(canvas.Pixel(50, 50), kRed);
  EXPECT_TRUE(canvas.IsWhite(150, 50));
  EXPECT_TRUE(canvas.IsWhite(50, 150));
  EXPECT_TRUE(canvas.IsWhite(150, 150));
}

// Where the red page lies along one axis of the canvas.
std::pair<int, int> RedSpan(const SheetCanvas& canvas, int x) {
  int first = -1;
  int last = -1;
  for (int y = 0; y < canvas.height(); ++y) {
    if (canvas.Pixel(x, y) != kRed) continue;
    if (first < 0) first = y;
    last = y;
  }
  return {first, last + 1};
}

TEST(DrawPageCell, MarginsMoveTheFittedPageByEighthsOfTheSpareRoom) {
  TestPages pages;
  pages.AddSolid(200, 100, kRed);
  const RECT cell = {0, 0, 400, 400};
  for (int margins = kPageMarginsNone; margins <= kPageMarginsOriginal; ++margins) {
    SheetCanvas canvas(400, 400);
    OptionSettings options = Plain();
    options.pageMargins = margins;
    DrawPageCell(canvas.dc(), 0, pages.entries()[0], cell, options);
    // 400 x 200 in the cell; steps of 200 / 8 = 25 downwards.
    const auto span = RedSpan(canvas, 200);
    EXPECT_NEAR(span.first, 25 * margins, 1) << margins;
    EXPECT_NEAR(span.second, 25 * margins + 200, 1) << margins;
  }
}

// Draws `text` as a page number would be drawn in `page` with `flags`, for comparison.
void DrawExpectedNumber(HDC dc, const std::string& text, const RECT& page, UINT flags) {
  RECT inset = {page.left + 3, page.top + 3, page.right - 3, page.bottom - 3};
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inset, flags);
}

struct NumberPosition {
  int pageNumberPos;
  int horizontal;  // -1 left, 0 centre, 1 right
  int vertical;    // -1 top, 1 bottom
};

void PrintTo(const NumberPosition& position, std::ostream* out) {
  *out << "position " << position.pageNumberPos;
}

class PageNumbers : public ::testing::TestWithParam<NumberPosition> {};

TEST_P(PageNumbers, SitInsideTheNamedPartOfThePageRectangleNotTheCell) {
  const NumberPosition& position = GetParam();
  TestPages pages;
  pages.AddBlank(200, 100);
  OptionSettings options = Plain();
  options.pageNumberPos = position.pageNumberPos;
  options.startPage = 7;
  SheetCanvas canvas(400, 400);
  ASSERT_TRUE(DrawSheet(canvas.dc(), canvas.Whole(), pages.entries(), {}, 0, options, nullptr));

  // The page is 400 x 200 at the top of its 400 x 400 cell.
  const RECT number = canvas.DarkBounds(canvas.Whole());
  ASSERT_LT(number.left, number.right);
  EXPECT_LE(number.bottom, 197);
  EXPECT_GE(number.top, 3);
  EXPECT_GE(number.left, 3);
  EXPECT_LE(number.right, 397);
  const int slack = 8;  // the glyph's side bearings and the font's internal leading
  if (position.horizontal < 0) {
    EXPECT_LE(number.left, 3 + slack);
  } else if (position.horizontal > 0) {
    EXPECT_GE(number.right, 397 - slack);
  } else {
    EXPECT_NEAR((number.left + number.right) / 2, 200, slack);
  }
  if (position.vertical < 0) {
    EXPECT_LE(number.top, 3 + slack);
  } else {
    EXPECT_GE(number.bottom, 197 - slack);
  }
}

INSTANTIATE_TEST_SUITE_P(SixPositions, PageNumbers,
                         ::testing::Values(NumberPosition{kPageNumberLeftTop, -1, -1},
                                           NumberPosition{kPageNumberCenterTop, 0, -1},
                                           NumberPosition{kPageNumberRightTop, 1, -1},
                                           NumberPosition{kPageNumberLeftBottom, -1, 1},
                                           NumberPosition{kPageNumberCenterBottom, 0, 1},
                                           NumberPosition{kPageNumberRightBottom, 1, 1}),
                         [](const ::testing::TestParamInfo<NumberPosition>& info) {
                           return "Position" + std::to_string(info.param.pageNumberPos);
                         });

TEST(PageNumbersText, CountFromStartPageOverTheWholeJobAndRepeatWithThePage) {
  TestPages pages;
  pages.AddBlanks(4);
  OptionSettings options = Plain();
  options.pageNumberPos = kPageNumberRightBottom;
  options.startPage = -5;
  const RECT r = {0, 0, 420, 297};
  const UINT flags = DT_SINGLELINE | DT_TABSTOP | DT_BOTTOM | DT_RIGHT;

  const SheetLayout twoUp = {2, false, false};
  SheetCanvas drawn(420, 297);
  ASSERT_TRUE(DrawSheet(drawn.dc(), r, pages.entries(), twoUp, 1, options, nullptr));
  SheetCanvas expected(420, 297);
  const RECT white = expected.Whole();
  FillRect(expected.dc(), &white, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (int column = 0; column < 2; ++column) {
    const RECT page = PageRectInCell(CellRect(r, twoUp, {0, column}), 210, 297, 0);
    DrawExpectedNumber(expected.dc(), column == 0 ? "-3" : "-2", page, flags);
  }
  for (int y = 0; y < 297; ++y) {
    for (int x = 0; x < 420; ++x) {
      ASSERT_EQ(drawn.IsDark(x, y), expected.IsDark(x, y)) << x << "," << y;
    }
  }

  const SheetLayout repeat = {2, false, true};
  SheetCanvas repeated(420, 297);
  ASSERT_TRUE(DrawSheet(repeated.dc(), r, pages.entries(), repeat, 3, options, nullptr));
  const RECT left = repeated.DarkBounds({0, 0, 210, 297});
  const RECT right = repeated.DarkBounds({210, 0, 420, 297});
  EXPECT_EQ(right.left - left.left, 210);
  EXPECT_EQ(right.right - right.left, left.right - left.left);
  EXPECT_EQ(repeated.CountDark({0, 0, 210, 297}), repeated.CountDark({210, 0, 420, 297}));
}

TEST(DrawPageCell, APageThatCannotBePlayedStaysWhiteAndKeepsItsNumber) {
  TestPages pages;
  pages.AddWithoutMetafile(200, 200);
  OptionSettings options = Plain();
  options.pageNumberPos = kPageNumberCenterTop;
  SheetCanvas canvas(200, 200);
  ASSERT_TRUE(DrawSheet(canvas.dc(), canvas.Whole(), pages.entries(), {}, 0, options, nullptr));
  EXPECT_TRUE(canvas.IsWhite(100, 150));
  EXPECT_GT(canvas.CountDark({0, 0, 200, 40}), 0);
}

TEST(DrawSheet, LeavesTheDeviceContextAsItFoundIt) {
  TestPages pages;
  pages.AddBlanks(2);
  OptionSettings options;
  options.pageNumberPos = kPageNumberCenterBottom;
  options.watermarks = {{"w", "Draft", kWatermarkTypeOutline}};
  options.watermarkSel = 1;
  SheetCanvas canvas(300, 300);
  const HDC dc = canvas.dc();
  const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
  const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
  const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
  const int bkMode = GetBkMode(dc);
  const UINT align = GetTextAlign(dc);
  ASSERT_TRUE(DrawSheet(dc, canvas.Whole(), pages.entries(), {2, false, false}, 0, options,
                        SelectedWatermark(options)));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
  EXPECT_EQ(GetBkMode(dc), bkMode);
  EXPECT_EQ(GetTextAlign(dc), align);
}

}  // namespace
