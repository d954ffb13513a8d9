#include <windows.h>

#include <gtest/gtest.h>

#include "preview_geometry.h"

namespace {

// A4 at 300 dpi with the margins of the PDF printer.
constexpr PrinterPage kA4 = {{2480, 3508}, {50, 60}, {2380, 3388}};
constexpr SIZE kClient = {900, 700};

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

TEST(PreviewLayout, AtTheWholePageZoomOnePaperFitsTheWindowCentredWithItsShape) {
  const PreviewLayout layout = LayOutPreview(kClient, kA4.paper, 1, PreviewZoom::Whole);
  ASSERT_EQ(layout.count, 1);
  EXPECT_EQ(layout.total.cx, kClient.cx);
  EXPECT_EQ(layout.total.cy, kClient.cy);
  const RECT& paper = layout.papers[0];
  EXPECT_EQ(paper.top, kPreviewMargin);
  EXPECT_EQ(paper.bottom, kClient.cy - kPreviewMargin);
  EXPECT_NEAR(static_cast<double>(Width(paper)) / Height(paper), 2480.0 / 3508.0, 0.005);
  EXPECT_NEAR(paper.left, kClient.cx - paper.right, 1);
}

TEST(PreviewLayout, TwoPapersStandSideBySideTheSameSizeAndAWideWindowLimitsByHeight) {
  constexpr SIZE kWide = {1100, 700};
  const PreviewLayout one = LayOutPreview(kWide, kA4.paper, 1, PreviewZoom::Whole);
  const PreviewLayout two = LayOutPreview(kWide, kA4.paper, 2, PreviewZoom::Whole);
  ASSERT_EQ(two.count, 2);
  EXPECT_EQ(Width(two.papers[0]), Width(two.papers[1]));
  EXPECT_EQ(two.papers[0].top, two.papers[1].top);
  EXPECT_GT(two.papers[1].left, two.papers[0].right + kPreviewShadow);
  EXPECT_LE(two.papers[1].right + kPreviewMargin, kWide.cx);
  // 1100 wide holds two A4 papers as tall as one.
  EXPECT_EQ(Height(two.papers[0]), Height(one.papers[0]));
  // A narrow window limits them by its width instead.
  const PreviewLayout narrow = LayOutPreview({500, 700}, kA4.paper, 2, PreviewZoom::Whole);
  EXPECT_LT(Height(narrow.papers[0]), Height(one.papers[0]));
  EXPECT_LE(narrow.papers[1].right + kPreviewMargin, 500);
}

TEST(PreviewLayout, CloserZoomsDoubleAndQuadrupleThePaperAndScrollOverIt) {
  const PreviewLayout whole = LayOutPreview(kClient, kA4.paper, 1, PreviewZoom::Whole);
  const PreviewLayout closer = LayOutPreview(kClient, kA4.paper, 1, PreviewZoom::Closer);
  const PreviewLayout closest = LayOutPreview(kClient, kA4.paper, 1, PreviewZoom::Closest);
  EXPECT_NEAR(Height(closer.papers[0]), 2 * Height(whole.papers[0]), 2);
  EXPECT_NEAR(Height(closest.papers[0]), 4 * Height(whole.papers[0]), 4);
  EXPECT_EQ(closer.total.cy, Height(closer.papers[0]) + 2 * kPreviewMargin);
  // Narrower than a wide window at 2x: centred across it, no horizontal scrolling.
  constexpr SIZE kWide = {1400, 700};
  const PreviewLayout centred = LayOutPreview(kWide, kA4.paper, 1, PreviewZoom::Closer);
  EXPECT_EQ(centred.total.cx, kWide.cx);
  EXPECT_NEAR(centred.papers[0].left, kWide.cx - centred.papers[0].right, 1);
  EXPECT_GT(closest.total.cx, kClient.cx);
  EXPECT_EQ(closest.papers[0].left, kPreviewMargin);
}

TEST(PreviewLayout, ALandscapePaperLiesWideAndATinyWindowStillGetsAPaper) {
  const PreviewLayout wide = LayOutPreview(kClient, {3508, 2480}, 1, PreviewZoom::Whole);
  EXPECT_GT(Width(wide.papers[0]), Height(wide.papers[0]));
  EXPECT_EQ(wide.papers[0].left, kPreviewMargin);
  const PreviewLayout tiny = LayOutPreview({3, 3}, kA4.paper, 2, PreviewZoom::Whole);
  EXPECT_GE(Width(tiny.papers[0]), 1);
  EXPECT_GE(Height(tiny.papers[1]), 1);
}

TEST(PrintableRectOnScreen, TheUnprintableMarginsScaleWithThePaper) {
  const RECT paper = {100, 20, 100 + 248, 20 + 351};
  const RECT printable = PrintableRectOnScreen(paper, kA4);
  EXPECT_EQ(printable.left, 105);
  EXPECT_EQ(printable.top, 26);
  EXPECT_EQ(printable.right, 343);
  EXPECT_EQ(printable.bottom, 365);
  const PrinterPage plain = MarginlessPaper({2100, 2970});
  const RECT whole = PrintableRectOnScreen(paper, plain);
  EXPECT_TRUE(EqualRect(&whole, &paper));
}

TEST(ScrollAfterZoom, TheClickedPointOfThePaperComesToTheWindowsCentre) {
  const PreviewLayout whole = LayOutPreview(kClient, kA4.paper, 1, PreviewZoom::Whole);
  const PreviewLayout closest = LayOutPreview(kClient, kA4.paper, 1, PreviewZoom::Closest);
  // Three quarters across and down the paper.
  const RECT& p = whole.papers[0];
  const POINT click = {p.left + 3 * Width(p) / 4, p.top + 3 * Height(p) / 4};
  const POINT scroll = ScrollAfterZoom(whole, {0, 0}, &click, closest, kClient);
  const RECT& q = closest.papers[0];
  EXPECT_NEAR(scroll.x + kClient.cx / 2, q.left + 3 * Width(q) / 4, 4);
  EXPECT_NEAR(scroll.y + kClient.cy / 2, q.top + 3 * Height(q) / 4, 4);
}

TEST(ScrollAfterZoom, ACornerClickStopsAtTheScrollRangeAndNoClickCentresThePaper) {
  const PreviewLayout whole = LayOutPreview(kClient, kA4.paper, 2, PreviewZoom::Whole);
  const PreviewLayout closest = LayOutPreview(kClient, kA4.paper, 2, PreviewZoom::Closest);
  const POINT corner = {whole.papers[1].right - 1, whole.papers[1].bottom - 1};
  const POINT end = ScrollAfterZoom(whole, {0, 0}, &corner, closest, kClient);
  EXPECT_EQ(end.x, closest.total.cx - kClient.cx);
  EXPECT_EQ(end.y, closest.total.cy - kClient.cy);
  const POINT beside = {1, 1};
  const POINT centred = ScrollAfterZoom(whole, {0, 0}, &beside, closest, kClient);
  const POINT none = ScrollAfterZoom(whole, {0, 0}, nullptr, closest, kClient);
  EXPECT_EQ(centred.x, none.x);
  EXPECT_EQ(centred.y, none.y);
  const RECT& first = closest.papers[0];
  EXPECT_NEAR(none.x + kClient.cx / 2, (first.left + first.right) / 2, 1);
  // Zooming back out: nothing to scroll.
  const POINT back = ScrollAfterZoom(closest, end, nullptr, whole, kClient);
  EXPECT_EQ(back.x, 0);
  EXPECT_EQ(back.y, 0);
}

TEST(PreviewZoomSteps, InAndOutStopAtTheEnds) {
  EXPECT_EQ(ZoomedIn(PreviewZoom::Whole), PreviewZoom::Closer);
  EXPECT_EQ(ZoomedIn(PreviewZoom::Closest), PreviewZoom::Closest);
  EXPECT_EQ(ZoomedOut(PreviewZoom::Closest), PreviewZoom::Closer);
  EXPECT_EQ(ZoomedOut(PreviewZoom::Whole), PreviewZoom::Whole);
}

// The bar's rules with 1, 2 and 3 printed pages.
TEST(PreviewPages, OneAndTwoPagesAndTheirButtonsAtOneTwoAndThreeSheets) {
  // One sheet: nothing to turn, no second page to show.
  EXPECT_FALSE(CanTogglePages(1, 1, false));
  EXPECT_FALSE(CanShowNextPage(1, 1, false));
  EXPECT_FALSE(CanShowPrevPage(1, 1));
  EXPECT_EQ(PagesShown(1, 1, true), 1);
  // Two sheets: both fit side by side, so there is nowhere to go in two-page mode.
  EXPECT_TRUE(CanTogglePages(1, 2, false));
  EXPECT_TRUE(CanShowNextPage(1, 2, false));
  EXPECT_EQ(PagesShown(1, 2, true), 2);
  EXPECT_FALSE(CanShowNextPage(1, 2, true));
  EXPECT_TRUE(CanTogglePages(1, 2, true));
  // Three sheets: pages 1-2, then 2-3.
  EXPECT_TRUE(CanShowNextPage(1, 3, true));
  EXPECT_FALSE(CanShowNextPage(2, 3, true));
  EXPECT_TRUE(CanShowNextPage(2, 3, false));
  EXPECT_FALSE(CanShowNextPage(3, 3, false));
  EXPECT_TRUE(CanShowPrevPage(2, 1));
}

TEST(PreviewPages, TheCurrentPageStaysInRangeAndTwoPagesEndOnTheLastTwo) {
  EXPECT_EQ(ClampCurrentPage(5, 1, 3, false), 3u);
  EXPECT_EQ(ClampCurrentPage(3, 1, 3, true), 2u);
  EXPECT_EQ(ClampCurrentPage(0, 1, 3, false), 1u);
  EXPECT_EQ(ClampCurrentPage(4, 1, 1, true), 1u);
}

TEST(PreviewPages, TheStatusBarNamesThePageOrThePagesShown) {
  EXPECT_EQ(PreviewStatusText(3, 1), "Page 3");
  EXPECT_EQ(PreviewStatusText(2, 2), "Pages 2-3");
}

}  // namespace
