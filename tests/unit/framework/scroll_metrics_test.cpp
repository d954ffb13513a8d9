#include "scroll_metrics.h"

#include <gtest/gtest.h>

namespace {

TEST(ScrollMetrics, StepsDefaultToATenthOfExtentAndPage) {
  const ScrollSteps steps = DefaultScrollSteps(SIZE{1000, 3000}, SIZE{0, 0}, SIZE{0, 0});
  EXPECT_EQ(steps.page.cx, 100);
  EXPECT_EQ(steps.page.cy, 300);
  EXPECT_EQ(steps.line.cx, 10);
  EXPECT_EQ(steps.line.cy, 30);
}

TEST(ScrollMetrics, GivenStepsAreKeptAndTinyExtentsStillStep) {
  const ScrollSteps given = DefaultScrollSteps(SIZE{1000, 1000}, SIZE{250, 0}, SIZE{0, 7});
  EXPECT_EQ(given.page.cx, 250);
  EXPECT_EQ(given.line.cx, 25);
  EXPECT_EQ(given.line.cy, 7);
  // A step of 0 would make the scroll bar's arrows do nothing.
  const ScrollSteps tiny = DefaultScrollSteps(SIZE{5, 0}, SIZE{0, 0}, SIZE{0, 0});
  EXPECT_EQ(tiny.page.cx, 1);
  EXPECT_EQ(tiny.line.cx, 1);
  EXPECT_EQ(tiny.line.cy, 1);
}

TEST(ScrollMetrics, MaxPositionLeavesNoEmptyRoomBelowTheExtent) {
  EXPECT_EQ(MaxScrollPosition(1000, 300), 700);
  EXPECT_EQ(MaxScrollPosition(300, 1000), 0);
  EXPECT_EQ(MaxScrollPosition(300, -5), 300);
}

TEST(ScrollMetrics, RequestsMoveByLinePageOrThumbWithinRange) {
  EXPECT_EQ(ScrollPositionFor(SB_LINEDOWN, 100, 0, 10, 50, 700), 110);
  EXPECT_EQ(ScrollPositionFor(SB_LINEUP, 5, 0, 10, 50, 700), 0);
  EXPECT_EQ(ScrollPositionFor(SB_PAGEDOWN, 680, 0, 10, 50, 700), 700);
  EXPECT_EQ(ScrollPositionFor(SB_PAGEUP, 100, 0, 10, 50, 700), 50);
  EXPECT_EQ(ScrollPositionFor(SB_THUMBTRACK, 100, 420, 10, 50, 700), 420);
  EXPECT_EQ(ScrollPositionFor(SB_THUMBPOSITION, 100, 900, 10, 50, 700), 700);
  EXPECT_EQ(ScrollPositionFor(SB_TOP, 100, 0, 10, 50, 700), 0);
  EXPECT_EQ(ScrollPositionFor(SB_BOTTOM, 100, 0, 10, 50, 700), 700);
  EXPECT_EQ(ScrollPositionFor(SB_ENDSCROLL, 100, 0, 10, 50, 700), 100);
}

TEST(ScrollMetrics, WheelScrollsLinesPerNotchButNeverMoreThanAPage) {
  EXPECT_EQ(WheelScrollDistance(-WHEEL_DELTA, 3, 10, 100), 30);
  EXPECT_EQ(WheelScrollDistance(WHEEL_DELTA, 3, 10, 100), -30);
  EXPECT_EQ(WheelScrollDistance(-2 * WHEEL_DELTA, 3, 10, 100), 60);
  EXPECT_EQ(WheelScrollDistance(-WHEEL_DELTA, 20, 10, 100), 100);
  EXPECT_EQ(WheelScrollDistance(-WHEEL_DELTA, WHEEL_PAGESCROLL, 10, 100), 100);
}

}  // namespace
