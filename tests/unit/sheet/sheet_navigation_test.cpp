#include "sheet_layout.h"
#include "sheet_navigation.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Zoom, EnableRulesStopAtBothEndsAndAtNormal) {
  EXPECT_FALSE(CanZoomOut(0));
  EXPECT_TRUE(CanZoomOut(1));
  EXPECT_FALSE(CanZoomIn(13));
  EXPECT_TRUE(CanZoomIn(12));
  EXPECT_FALSE(CanZoomNormal(kZoomIndexNormal));
  EXPECT_TRUE(CanZoomNormal(0));
  EXPECT_TRUE(CanZoomNormal(13));
  EXPECT_EQ(kZoomIndexCount, 14);
  EXPECT_EQ(ZoomPercent(kZoomIndexNormal), 100);
}

TEST(Zoom, SheetOnScreenIsHalfAMillimetrePerPixelAtNormal) {
  const SIZE normal = ZoomedSheetSize(2100, 2970, kZoomIndexNormal);
  EXPECT_EQ(normal.cx, 420);
  EXPECT_EQ(normal.cy, 594);
  const SIZE smallest = ZoomedSheetSize(2100, 2970, 0);
  EXPECT_EQ(smallest.cx, 21);
  EXPECT_EQ(smallest.cy, 29);
  const SIZE largest = ZoomedSheetSize(2100, 2970, 13);
  EXPECT_EQ(largest.cx, 4200);
  EXPECT_EQ(largest.cy, 5940);
}

TEST(Zoom, AHugeSheetIsHeldToWhatAWindowScrollsAndNeverOverflows) {
  const SIZE largest = ZoomedSheetSize(kMaxSheetTenths, INT_MAX, kZoomIndexCount - 1);
  EXPECT_EQ(largest.cx, kMaxSheetPixels);
  EXPECT_EQ(largest.cy, kMaxSheetPixels);
  const SIZE smallest = ZoomedSheetSize(INT_MAX, 2970, 0);
  EXPECT_EQ(smallest.cx, kMaxSheetPixels);
  EXPECT_EQ(smallest.cy, 29);
}

TEST(Zoom, AnIndexOutsideTheTableIsHeldAtItsEnds) {
  EXPECT_EQ(ZoomPercent(-1), 5);
  EXPECT_EQ(ZoomPercent(14), 1000);
}

TEST(GoToSheet, ClampsToTheSheetsThereAre) {
  EXPECT_EQ(ClampSheet(-3, 5), 0);
  EXPECT_EQ(ClampSheet(2, 5), 2);
  EXPECT_EQ(ClampSheet(5, 5), 4);
  EXPECT_EQ(ClampSheet(INT_MAX, 5), 4);
  EXPECT_EQ(ClampSheet(3, 0), 0);
}

TEST(Navigation, NoPagesDisableEveryMoveAndAnEndDisablesItsSide) {
  EXPECT_FALSE(CanGoBack(0));
  EXPECT_FALSE(CanGoForward(0, 0));
  EXPECT_FALSE(CanGoForward(2, 3));
  EXPECT_TRUE(CanGoForward(1, 3));
  EXPECT_TRUE(CanGoBack(1));
  // A deletion can leave the view past the last sheet: back stays possible.
  EXPECT_TRUE(CanGoBack(4));
  EXPECT_FALSE(CanGoForward(4, 3));
  EXPECT_FALSE(IsValidSheet(4, 3));
  EXPECT_FALSE(IsValidSheet(-1, 3));
  EXPECT_TRUE(IsValidSheet(0, 3));
}

TEST(GoToDialog, InformationLineCountsFromOne) {
  EXPECT_EQ(GoToInfoText(0, 3), "Current Page:1, Count Page:3");
  EXPECT_EQ(GoToInfoText(2, 5), "Current Page:3, Count Page:5");
}

TEST(GoToDialog, OnlyNumbersOfExistingSheetsAreTaken) {
  EXPECT_EQ(SheetOfGoToNumber(3, 3), 2);
  EXPECT_EQ(SheetOfGoToNumber(1, 3), 0);
  EXPECT_EQ(SheetOfGoToNumber(0, 3), -1);
  EXPECT_EQ(SheetOfGoToNumber(4, 3), -1);
  EXPECT_EQ(SheetOfGoToNumber(-2, 3), -1);
  EXPECT_EQ(SheetOfGoToNumber(INT_MIN, 3), -1);
  EXPECT_EQ(SheetOfGoToNumber(1, 0), -1);
}

}  // namespace
