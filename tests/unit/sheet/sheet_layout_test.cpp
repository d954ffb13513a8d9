#include "sheet_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "booklet_imposition.h"
#include "option_settings.h"

namespace {

SheetLayout Layout(int pagesPerSheet, bool orderDown = false, bool repeatPages = false) {
  return {pagesPerSheet, orderDown, repeatPages};
}

TEST(SheetCount, NoPagesGiveNoSheetsWhateverTheLayout) {
  for (int choice : kPagesPerSheetChoices) {
    for (bool down : {false, true}) {
      for (bool repeat : {false, true}) {
        EXPECT_EQ(GetSheetCount(Layout(choice, down, repeat), 0), 0) << choice;
      }
    }
  }
}

TEST(SheetCount, RoundsUpAPartlyFilledSheetAndIgnoresTheOrdering) {
  EXPECT_EQ(GetSheetCount(Layout(4), 5), 2);
  EXPECT_EQ(GetSheetCount(Layout(4, true), 5), 2);
  EXPECT_EQ(GetSheetCount(Layout(4), 8), 2);
  EXPECT_EQ(GetSheetCount(Layout(2), 5), 3);
  EXPECT_EQ(GetSheetCount(Layout(16), 17), 2);
  EXPECT_EQ(GetSheetCount(Layout(1), 7), 7);
}

TEST(SheetCount, RepeatGivesOneSheetPerPage) {
  EXPECT_EQ(GetSheetCount(Layout(4, false, true), 3), 3);
  EXPECT_EQ(GetSheetCount(Layout(16, true, true), 40), 40);
}

TEST(SheetGridTable, ColumnsRowsAndPaperOrientationOfEveryChoice) {
  struct Row {
    int pages, columns, rows;
    bool landscape;
  };
  const Row table[] = {{1, 1, 1, false}, {2, 2, 1, true}, {4, 2, 2, false},
                       {6, 3, 2, true},  {8, 4, 2, true}, {16, 4, 4, false}};
  for (const Row& row : table) {
    const SheetGrid grid = GridOf(row.pages);
    EXPECT_EQ(grid.columns, row.columns) << row.pages;
    EXPECT_EQ(grid.rows, row.rows) << row.pages;
    EXPECT_EQ(grid.columns * grid.rows, row.pages);
    EXPECT_EQ(IsLandscapeLayout(row.pages), row.landscape) << row.pages;
  }
}

TEST(SheetGridTable, AValueThatIsNoChoiceIsOneCellAndNeverDividesByZero) {
  EXPECT_EQ(GridOf(0).columns * GridOf(0).rows, 1);
  EXPECT_EQ(GetSheetCount(Layout(0), 3), 3);
  EXPECT_EQ(GetSheetCount(Layout(3), 3), 3);
}

TEST(LayoutToggles, OrderingNeedsMoreThanTwoPagesAndRepeatMoreThanOne) {
  EXPECT_FALSE(IsOrderingEnabled(1));
  EXPECT_FALSE(IsOrderingEnabled(2));
  for (int pages : {4, 6, 8, 16}) EXPECT_TRUE(IsOrderingEnabled(pages)) << pages;
  EXPECT_FALSE(IsRepeatEnabled(1));
  for (int pages : {2, 4, 6, 8, 16}) EXPECT_TRUE(IsRepeatEnabled(pages)) << pages;
}

TEST(PagesOfSheet, CellsAreVisitedInPageOrderAcrossAndDown) {
  for (int choice : kPagesPerSheetChoices) {
    for (bool down : {false, true}) {
      const SheetLayout layout = Layout(choice, down);
      const SheetGrid grid = GridOf(choice);
      for (int visit = 0; visit < choice; ++visit) {
        const CellPosition cell = CellOfVisit(layout, visit);
        ASSERT_LT(cell.row, grid.rows);
        ASSERT_LT(cell.column, grid.columns);
        EXPECT_EQ(PageOfCell(layout, 2, cell, 100), 2 * choice + visit) << choice << " " << down;
      }
    }
  }
}

TEST(PagesOfSheet, SixPerSheetAcrossFillsRowsAndDownFillsColumns) {
  const int across[2][3] = {{0, 1, 2}, {3, 4, 5}};
  const int down[2][3] = {{0, 2, 4}, {1, 3, 5}};
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(PageOfCell(Layout(6), 0, {row, column}, 6), across[row][column]);
      EXPECT_EQ(PageOfCell(Layout(6, true), 0, {row, column}, 6), down[row][column]);
    }
  }
  EXPECT_EQ(CellOfVisit(Layout(6), 1).column, 1);
  EXPECT_EQ(CellOfVisit(Layout(6, true), 1).row, 1);
}

TEST(PagesOfSheet, SecondSheetOfFivePagesAtFourHoldsOnePage) {
  const SheetLayout layout = Layout(4);
  EXPECT_EQ(PageOfCell(layout, 1, {0, 0}, 5), 4);
  EXPECT_GE(PageOfCell(layout, 1, {0, 1}, 5), 5);
  EXPECT_GE(PageOfCell(layout, 1, {1, 0}, 5), 5);
  EXPECT_GE(PageOfCell(layout, 1, {1, 1}, 5), 5);
  EXPECT_EQ(SheetOfPage(layout, 4, 5), 1);
  EXPECT_EQ(SheetOfPage(layout, 3, 5), 0);
}

TEST(PagesOfSheet, RepeatShowsTheSheetsPageInEveryCell) {
  for (bool down : {false, true}) {
    const SheetLayout layout = Layout(4, down, true);
    EXPECT_EQ(SheetOfPage(layout, 1, 3), 1);
    for (int visit = 0; visit < 4; ++visit) {
      EXPECT_EQ(PageOfCell(layout, 1, CellOfVisit(layout, visit), 3), 1);
    }
  }
}

TEST(CellRects, IntegerCellsLeaveTheRemainderStripAtTheRightAndBottom) {
  const RECT sheet = {10, 20, 10 + 423, 20 + 602};
  const SheetLayout layout = Layout(16);
  const RECT first = CellRect(sheet, layout, {0, 0});
  EXPECT_EQ(first.left, 10);
  EXPECT_EQ(first.top, 20);
  EXPECT_EQ(first.right - first.left, 105);
  EXPECT_EQ(first.bottom - first.top, 150);
  const RECT last = CellRect(sheet, layout, {3, 3});
  EXPECT_EQ(last.left, 10 + 3 * 105);
  EXPECT_EQ(last.right, 10 + 420);
  EXPECT_EQ(sheet.right - last.right, 3);
  EXPECT_EQ(last.bottom, 20 + 600);
}

TEST(CellRects, OnePageFillsTheWholeSheet) {
  const RECT sheet = {0, 0, 421, 595};
  const RECT cell = CellRect(sheet, Layout(1), {0, 0});
  EXPECT_EQ(cell.right, 421);
  EXPECT_EQ(cell.bottom, 595);
}

TEST(PageRect, WidePageInSquareCellMovesDownByMarginSteps) {
  const RECT cell = {50, 70, 150, 170};
  const RECT none = PageRectInCell(cell, 200, 100, kPageMarginsNone);
  EXPECT_EQ(none.left, 50);
  EXPECT_EQ(none.top, 70);
  EXPECT_EQ(none.right - none.left, 100);
  EXPECT_EQ(none.bottom - none.top, 50);
  // The spare room is 50 tall: steps of 50 / 8 = 6, none sideways.
  for (int k = 1; k <= kPageMarginsOriginal; ++k) {
    const RECT moved = PageRectInCell(cell, 200, 100, k);
    EXPECT_EQ(moved.left, 50);
    EXPECT_EQ(moved.top, 70 + 6 * k);
    EXPECT_EQ(moved.bottom - moved.top, 50);
  }
}

TEST(PageRect, TallPageInWideCellMovesRightOnlyAndKeepsItsAspect) {
  const RECT cell = {0, 0, 300, 297};
  const RECT page = PageRectInCell(cell, 210, 297, kPageMarginsOriginal);
  EXPECT_EQ(page.bottom - page.top, 297);
  EXPECT_EQ(page.right - page.left, 210);
  EXPECT_EQ(page.left, 4 * ((300 - 210) / 8));
  EXPECT_EQ(page.top, 0);
}

TEST(PageRect, ScaledSizesTruncateTowardZero) {
  // Scaled by 100 / 700, the width 300 becomes 42.86.
  const RECT page = PageRectInCell({0, 0, 100, 100}, 300, 700, kPageMarginsNone);
  EXPECT_EQ(page.right - page.left, 42);
}

TEST(PageRect, APageWithoutSizeIsEmpty) {
  const RECT page = PageRectInCell({5, 6, 100, 100}, 0, 100, kPageMarginsNone);
  EXPECT_EQ(page.left, page.right);
  EXPECT_EQ(page.top, page.bottom);
}

TEST(SheetSize, PrintableAreaInMillimetresBecomesTenths) {
  SIZE sheet = {2100, 2970};
  ASSERT_TRUE(SheetSizeFromPrintableArea(203, 289, sheet));
  EXPECT_EQ(sheet.cx, 2030);
  EXPECT_EQ(sheet.cy, 2890);
  ASSERT_TRUE(SheetSizeFromPrintableArea(289, 203, sheet));
  EXPECT_EQ(sheet.cx, 2890);
}

TEST(SheetSize, AnAbsurdPrintableAreaIsHeldToTheLongestSheet) {
  SIZE sheet;
  ASSERT_TRUE(SheetSizeFromPrintableArea(INT_MAX, 214748365, sheet));
  EXPECT_EQ(sheet.cx, kMaxSheetTenths);
  EXPECT_EQ(sheet.cy, kMaxSheetTenths);
}

TEST(SheetSize, APrinterWithoutPrintableAreaKeepsTheOldSize) {
  SIZE sheet = {2100, 2970};
  EXPECT_FALSE(SheetSizeFromPrintableArea(0, 297, sheet));
  EXPECT_FALSE(SheetSizeFromPrintableArea(210, -1, sheet));
  EXPECT_EQ(sheet.cx, 2100);
  EXPECT_EQ(sheet.cy, 2970);
}

}  // namespace

// Sides in printing order, pages counted from 1 as the folded booklet reads them; a page
// past the job is a blank padding page.
TEST(Booklet, SidesCarryPagesInFoldingOrderPaddedToFour) {
  struct Case {
    std::vector<int> pageCounts;
    std::vector<std::pair<int, int>> sides;
  };
  const Case cases[] = {
      {{1, 2, 3, 4}, {{4, 1}, {2, 3}}},
      {{5, 6, 7, 8}, {{8, 1}, {2, 7}, {6, 3}, {4, 5}}},
      {{9}, {{12, 1}, {2, 11}, {10, 3}, {4, 9}, {8, 5}, {6, 7}}},
      {{16}, {{16, 1}, {2, 15}, {14, 3}, {4, 13}, {12, 5}, {6, 11}, {10, 7}, {8, 9}}},
      {{17},
       {{20, 1}, {2, 19}, {18, 3}, {4, 17}, {16, 5}, {6, 15}, {14, 7}, {8, 13}, {12, 9},
        {10, 11}}},
  };
  for (const Case& c : cases) {
    for (int pageCount : c.pageCounts) {
      SheetLayout layout = Layout(2);
      layout.booklet = true;
      const int sides = static_cast<int>(c.sides.size());
      ASSERT_EQ(GetSheetCount(layout, pageCount), sides) << pageCount;
      for (int sheet = 0; sheet < sides; ++sheet) {
        const int left = PageOfCell(layout, sheet, {0, 0}, pageCount);
        const int right = PageOfCell(layout, sheet, {0, 1}, pageCount);
        EXPECT_EQ(left + 1, c.sides[sheet].first) << pageCount << " side " << sheet;
        EXPECT_EQ(right + 1, c.sides[sheet].second) << pageCount << " side " << sheet;
        for (int page : {left, right}) {
          if (page >= pageCount) continue;
          EXPECT_EQ(SheetOfPage(layout, page, pageCount), sheet) << pageCount << " " << page;
          const BookletPlace place = BookletPlaceOfPage(pageCount, page);
          EXPECT_EQ(place.column, page == left ? 0 : 1) << pageCount << " " << page;
        }
      }
    }
  }
  EXPECT_EQ(GetSheetCount({2, false, false, true}, 0), 0);
}
