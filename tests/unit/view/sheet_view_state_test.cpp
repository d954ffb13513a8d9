#include "sheet_view_state.h"

#include <gtest/gtest.h>

namespace {

constexpr SIZE kSheet = {400, 400};

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

SheetViewState FourUpOn(int sheet, int pageCount) {
  SheetViewState state;
  state.ChoosePagesPerSheet(4, pageCount);
  state.GoToSheet(sheet, pageCount);
  return state;
}

TEST(SheetViewStateTest, NavigationFollowsTheEnableRulesAndClamps) {
  SheetViewState state;
  state.ChoosePagesPerSheet(2, 5);  // 3 sheets
  EXPECT_FALSE(state.GoPrevious(5));
  EXPECT_FALSE(state.GoFirst(5));
  EXPECT_TRUE(state.GoNext(5));
  EXPECT_EQ(1, state.currentSheet);
  EXPECT_TRUE(state.GoLast(5));
  EXPECT_EQ(2, state.currentSheet);
  EXPECT_FALSE(state.GoNext(5));
  EXPECT_FALSE(state.GoLast(5));
  EXPECT_EQ(2, state.currentSheet);
  EXPECT_TRUE(state.GoFirst(5));
  EXPECT_EQ(0, state.currentSheet);

  state.GoToSheet(99, 5);
  EXPECT_EQ(2, state.currentSheet);
  state.GoToSheet(-4, 5);
  EXPECT_EQ(0, state.currentSheet);
}

TEST(SheetViewStateTest, WithoutPagesNothingMovesAndNoSheetIsShown) {
  SheetViewState state;
  EXPECT_FALSE(state.IsShowingSheet(0));
  EXPECT_FALSE(state.GoNext(0));
  EXPECT_FALSE(state.GoLast(0));
  EXPECT_FALSE(state.GoFirst(0));
  state.GoToSheet(3, 0);
  EXPECT_EQ(0, state.currentSheet);
}

TEST(SheetViewStateTest, ASheetLostToADeletionStaysCurrentAndCanBeLeftBackwards) {
  SheetViewState state = FourUpOn(1, 5);
  // The page of sheet 1 was deleted: 4 pages, one sheet.
  EXPECT_FALSE(state.IsShowingSheet(4));
  EXPECT_TRUE(state.GoPrevious(4));
  EXPECT_EQ(0, state.currentSheet);
  EXPECT_TRUE(state.IsShowingSheet(4));
}

TEST(SheetViewStateTest, ZoomStaysInsideTheTableAndDropsTheSelection) {
  SheetViewState state;
  EXPECT_FALSE(state.ZoomNormal());
  for (int i = 0; i < kZoomIndexCount + 3; ++i) state.ZoomIn();
  EXPECT_EQ(kZoomIndexCount - 1, state.zoomIndex);
  EXPECT_FALSE(state.ZoomIn());
  for (int i = 0; i < kZoomIndexCount + 3; ++i) state.ZoomOut();
  EXPECT_EQ(0, state.zoomIndex);
  EXPECT_FALSE(state.ZoomOut());

  RECT previous;
  ASSERT_TRUE(state.HitTestPage(POINT{1, 1}, kSheet, 1, previous));
  const int sheet = state.currentSheet;
  EXPECT_TRUE(state.ZoomNormal());
  EXPECT_EQ(kZoomIndexNormal, state.zoomIndex);
  EXPECT_EQ(-1, state.selectedPage);
  EXPECT_TRUE(IsRectEmpty(&state.selectionRect));
  EXPECT_EQ(sheet, state.currentSheet);
}

TEST(SheetViewStateTest, LayoutChoicesGoToTheFirstSheetButOrderingKeepsSheetAndSelection) {
  SheetViewState state = FourUpOn(1, 8);
  RECT previous;
  ASSERT_TRUE(state.HitTestPage(POINT{300, 100}, kSheet, 8, previous));
  state.ToggleOrderDown();
  EXPECT_TRUE(state.layout.orderDown);
  EXPECT_EQ(1, state.currentSheet);
  EXPECT_EQ(5, state.selectedPage);

  state.ToggleRepeatPages(8);
  EXPECT_TRUE(state.layout.repeatPages);
  EXPECT_EQ(0, state.currentSheet);
  EXPECT_EQ(-1, state.selectedPage);

  state.GoToSheet(1, 8);
  state.ChoosePagesPerSheet(4, 8);  // the choice already set still starts over
  EXPECT_EQ(0, state.currentSheet);
  EXPECT_TRUE(state.layout.repeatPages);
}

TEST(SheetViewStateTest, HitsSelectTheCellsPageInEachOrder) {
  SheetViewState across = FourUpOn(1, 8);
  RECT previous;
  ASSERT_TRUE(across.HitTestPage(POINT{300, 100}, kSheet, 8, previous));
  EXPECT_EQ(5, across.selectedPage);
  EXPECT_TRUE(SameRect(RECT{200, 0, 400, 200}, across.selectionRect));
  EXPECT_TRUE(IsRectEmpty(&previous));

  SheetViewState down = FourUpOn(1, 8);
  down.ToggleOrderDown();
  ASSERT_TRUE(down.HitTestPage(POINT{300, 100}, kSheet, 8, previous));
  EXPECT_EQ(6, down.selectedPage);

  SheetViewState repeat;
  repeat.ChoosePagesPerSheet(4, 8);
  repeat.ToggleRepeatPages(8);
  repeat.GoToSheet(3, 8);
  ASSERT_TRUE(repeat.HitTestPage(POINT{50, 300}, kSheet, 8, previous));
  EXPECT_EQ(3, repeat.selectedPage);
}

// A moved page stays selected: the view goes to its sheet and outlines its cell there.
TEST(SheetViewStateTest, SelectingAPageShowsItsSheetAndCellInGridsAndBooklets) {
  SheetViewState state = FourUpOn(0, 8);
  state.SelectPage(6, kSheet, 8);
  EXPECT_EQ(1, state.currentSheet);
  EXPECT_EQ(6, state.selectedPage);
  EXPECT_TRUE(SameRect(RECT{0, 200, 200, 400}, state.selectionRect));
  state.SelectPage(8, kSheet, 8);  // off the list: nothing changes
  EXPECT_EQ(6, state.selectedPage);

  SheetViewState booklet = FourUpOn(0, 6);
  booklet.ToggleRepeatPages(6);
  booklet.ChooseBooklet(6);
  EXPECT_FALSE(booklet.layout.repeatPages);
  EXPECT_FALSE(booklet.CanRepeatPages());
  EXPECT_EQ(4, booklet.SheetCount(6));
  booklet.SelectPage(5, kSheet, 6);  // page 6 of 8 sits left on the third side (6, 3)
  EXPECT_EQ(2, booklet.currentSheet);
  EXPECT_TRUE(SameRect(RECT{0, 0, 200, 400}, booklet.selectionRect));
  booklet.ChoosePagesPerSheet(2, 6);
  EXPECT_FALSE(booklet.layout.booklet);
  EXPECT_EQ(3, booklet.SheetCount(6));
}

TEST(SheetViewStateTest, ANewHitHandsBackTheOldHighlight) {
  SheetViewState state = FourUpOn(0, 4);
  RECT previous;
  ASSERT_TRUE(state.HitTestPage(POINT{10, 10}, kSheet, 4, previous));
  ASSERT_TRUE(state.HitTestPage(POINT{210, 210}, kSheet, 4, previous));
  EXPECT_TRUE(SameRect(RECT{0, 0, 200, 200}, previous));
  EXPECT_TRUE(SameRect(RECT{200, 200, 400, 400}, state.selectionRect));
  EXPECT_EQ(3, state.SelectedListPage(4));
}

TEST(SheetViewStateTest, AnEmptyCellNamesNoPageAndLeavesTheHighlight) {
  SheetViewState state = FourUpOn(1, 5);
  RECT previous;
  ASSERT_TRUE(state.HitTestPage(POINT{10, 10}, kSheet, 5, previous));
  EXPECT_EQ(4, state.SelectedListPage(5));
  EXPECT_FALSE(state.HitTestPage(POINT{300, 300}, kSheet, 5, previous));
  EXPECT_EQ(7, state.selectedPage);
  EXPECT_EQ(-1, state.SelectedListPage(5));
  EXPECT_TRUE(SameRect(RECT{0, 0, 200, 200}, state.selectionRect));
}

TEST(SheetViewStateTest, OffTheSheetOrOnNoSheetKeepsTheSelection) {
  SheetViewState state = FourUpOn(0, 4);
  RECT previous;
  ASSERT_TRUE(state.HitTestPage(POINT{10, 10}, kSheet, 4, previous));
  EXPECT_FALSE(state.HitTestPage(POINT{450, 10}, kSheet, 4, previous));
  EXPECT_EQ(0, state.SelectedListPage(4));
  // After the job lost its pages there is no sheet to hit.
  EXPECT_FALSE(state.HitTestPage(POINT{10, 10}, kSheet, 0, previous));
  EXPECT_EQ(0, state.selectedPage);
}

}  // namespace

namespace {

TEST(SheetTurnedToTest, KeepsTheSidesAndTurnsOnlyWhenTheOrientationDiffers) {
  const SIZE upright = {2100, 2970};
  const SIZE turned = SheetTurnedTo(upright, true);
  EXPECT_EQ(2970, turned.cx);
  EXPECT_EQ(2100, turned.cy);
  EXPECT_EQ(2970, SheetTurnedTo(turned, true).cx);
  EXPECT_EQ(2100, SheetTurnedTo(turned, false).cx);
  EXPECT_EQ(2100, SheetTurnedTo(upright, false).cx);
  const SIZE square = {1000, 1000};
  EXPECT_EQ(1000, SheetTurnedTo(square, true).cx);
}

}  // namespace
