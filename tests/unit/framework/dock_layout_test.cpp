#include <windows.h>

#include <gtest/gtest.h>

#include "control_bars.h"
#include "dock_layout.h"

namespace {

constexpr RECT kArea = {100, 50, 700, 450};
constexpr int kReach = 24;

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

DockSide DropAt(int x, int y, DWORD allowed = CBRS_ALIGN_ANY,
                DockSide current = DockSide::Floating) {
  return DropSide(kArea, {x, y}, allowed, kReach, current);
}

TEST(DropSide, APointNearAnEdgeInsideOrOutsideSelectsIt) {
  EXPECT_EQ(DropAt(400, 60), DockSide::Top);
  EXPECT_EQ(DropAt(400, 30), DockSide::Top);
  EXPECT_EQ(DropAt(400, 440), DockSide::Bottom);
  EXPECT_EQ(DropAt(110, 250), DockSide::Left);
  EXPECT_EQ(DropAt(720, 250), DockSide::Right);
  EXPECT_EQ(DropAt(400, 50 + kReach), DockSide::Top);
}

TEST(DropSide, APointAwayFromEveryEdgeFloats) {
  EXPECT_EQ(DropAt(400, 250), DockSide::Floating);
  EXPECT_EQ(DropAt(400, 50 + kReach + 1), DockSide::Floating);
  EXPECT_EQ(DropAt(400, 50 - kReach - 1), DockSide::Floating);
  // Level with the top edge but far beyond its end.
  EXPECT_EQ(DropAt(800, 50), DockSide::Floating);
}

TEST(DropSide, InACornerTheNearestEdgeWinsUnlessTheBarIsAlreadyOnTheOther) {
  EXPECT_EQ(DropAt(105, 65), DockSide::Left);
  EXPECT_EQ(DropAt(115, 55), DockSide::Top);
  // Grabbing the gripper at the top of a bar docked on the left leaves it there.
  EXPECT_EQ(DropAt(115, 55, CBRS_ALIGN_ANY, DockSide::Left), DockSide::Left);
}

TEST(DropSide, SidesThatAreNotAllowedAreSkipped) {
  EXPECT_EQ(DropAt(110, 250, CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM), DockSide::Floating);
  EXPECT_EQ(DropAt(115, 55, CBRS_ALIGN_LEFT), DockSide::Left);
  EXPECT_EQ(DropAt(400, 60, 0), DockSide::Floating);
}

TEST(FirstAllowedSide, TakesTheWantedSideOrTheFirstAllowedInTopBottomLeftRightOrder) {
  EXPECT_EQ(FirstAllowedSide(DockSide::Right, CBRS_ALIGN_ANY), DockSide::Right);
  EXPECT_EQ(FirstAllowedSide(DockSide::Top, CBRS_ALIGN_LEFT | CBRS_ALIGN_BOTTOM), DockSide::Bottom);
  EXPECT_EQ(FirstAllowedSide(DockSide::Top, 0), DockSide::Floating);
}

constexpr RECT kClient = {0, 0, 600, 400};
constexpr int kStatus = 20;
constexpr int kBar = 26;

TEST(LayOutFrame, TheStatusBarStaysAtTheBottomAndTheBarTakesItsEdgeOfTheRest) {
  struct Case {
    DockSide side;
    RECT bar;
    RECT view;
  };
  const Case cases[] = {
      {DockSide::Top, {0, 0, 600, 26}, {0, 26, 600, 380}},
      {DockSide::Bottom, {0, 354, 600, 380}, {0, 0, 600, 354}},
      {DockSide::Left, {0, 0, 26, 380}, {26, 0, 600, 380}},
      {DockSide::Right, {574, 0, 600, 380}, {0, 0, 574, 380}},
  };
  for (const Case& c : cases) {
    const FrameLayout layout = LayOutFrame(kClient, kStatus, c.side, kBar);
    EXPECT_TRUE(SameRect(layout.status, {0, 380, 600, 400})) << static_cast<int>(c.side);
    EXPECT_TRUE(SameRect(layout.bar, c.bar)) << static_cast<int>(c.side);
    EXPECT_TRUE(SameRect(layout.view, c.view)) << static_cast<int>(c.side);
  }
}

TEST(LayOutFrame, AHiddenOrFloatingBarLeavesTheViewEverythingAboveTheStatusBar) {
  const RECT rest = {0, 0, 600, 380};
  for (DockSide side : {DockSide::Top, DockSide::Bottom, DockSide::Left, DockSide::Right})
    EXPECT_TRUE(SameRect(LayOutFrame(kClient, kStatus, side, 0).view, rest));
  EXPECT_TRUE(SameRect(LayOutFrame(kClient, kStatus, DockSide::Floating, kBar).view, rest));
  EXPECT_TRUE(SameRect(LayOutFrame(kClient, 0, DockSide::Floating, 0).view, kClient));
}

TEST(LayOutFrame, AFrameTooSmallForTheBarsGivesTheViewNothingRatherThanLess) {
  const FrameLayout layout = LayOutFrame({0, 0, 600, 30}, kStatus, DockSide::Top, kBar);
  EXPECT_TRUE(SameRect(layout.bar, {0, 0, 600, 10}));
  EXPECT_EQ(layout.view.bottom - layout.view.top, 0);
  const FrameLayout tiny = LayOutFrame({0, 0, 600, 10}, kStatus, DockSide::Left, kBar);
  EXPECT_GE(tiny.view.bottom, tiny.view.top);
  EXPECT_GE(tiny.view.right, tiny.view.left);
}

}  // namespace
