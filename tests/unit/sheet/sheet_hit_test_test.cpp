#include "sheet_hit_test.h"

#include <gtest/gtest.h>

namespace {

const RECT kSheet = {0, 0, 421, 595};  // cells of 210 x 297 at 4 per sheet, 1 unit spare

int PageAt(const SheetLayout& layout, int sheet, int x, int y) {
  SheetHit hit = {};
  return HitTestSheet(layout, sheet, 100, kSheet, {x, y}, hit) ? hit.page : -1;
}

TEST(HitTest, TopRightCellOfSecondSheetAcrossAndDown) {
  EXPECT_EQ(PageAt({4, false, false}, 1, 300, 100), 5);
  EXPECT_EQ(PageAt({4, true, false}, 1, 300, 100), 6);
  EXPECT_EQ(PageAt({4, true, false}, 1, 100, 400), 5);
}

TEST(HitTest, RepeatSelectsTheSheetsPageInEveryCell) {
  for (int x : {10, 300}) {
    for (int y : {10, 400}) EXPECT_EQ(PageAt({4, false, true}, 3, x, y), 3);
  }
}

TEST(HitTest, ACellOwnsItsLeftAndTopEdgesOnly) {
  const SheetLayout layout = {16, false, false};
  // 16 per sheet: cells of 105 x 148.
  EXPECT_EQ(PageAt(layout, 0, 0, 0), 0);
  EXPECT_EQ(PageAt(layout, 0, 104, 147), 0);
  EXPECT_EQ(PageAt(layout, 0, 105, 0), 1);
  EXPECT_EQ(PageAt(layout, 0, 0, 148), 4);
  EXPECT_EQ(PageAt(layout, 0, 419, 591), 15);
}

TEST(HitTest, OffTheSheetAndTheRemainderStripHitNothing) {
  const SheetLayout layout = {16, false, false};
  EXPECT_EQ(PageAt(layout, 0, 420, 10), -1);  // 4 x 105 = 420: the strip starts here
  EXPECT_EQ(PageAt(layout, 0, 10, 592), -1);
  EXPECT_EQ(PageAt(layout, 0, -1, 10), -1);
  EXPECT_EQ(PageAt(layout, 0, 10, 700), -1);
}

TEST(HitTest, GivesTheCellRectangleForTheHighlight) {
  SheetHit hit = {};
  ASSERT_TRUE(HitTestSheet({6, true, false}, 0, 100, kSheet, {200, 400}, hit));
  EXPECT_EQ(hit.page, 3);  // down: column 1, row 1
  EXPECT_EQ(hit.cell.left, 140);
  EXPECT_EQ(hit.cell.top, 297);
  EXPECT_EQ(hit.cell.right, 280);
  EXPECT_EQ(hit.cell.bottom, 594);
}

TEST(HitTest, AnEmptyCellStillNamesThePageIndexItWouldHold) {
  // 5 pages at 4 per sheet: the bottom-right cell of sheet 1 would hold page 7.
  EXPECT_EQ(PageAt({4, false, false}, 1, 300, 400), 7);
}

}  // namespace
