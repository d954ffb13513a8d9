#include "watermark_font_search.h"

#include <gtest/gtest.h>

#include <string>

#include "sheet_canvas.h"

namespace {

TEST(WatermarkFontSearch, StopsAtTheFirstHeightWhoseTextReachesTheTarget) {
  int measured = 0;
  const auto threeTimesHeight = [&measured](int height) {
    ++measured;
    return 3 * height;
  };
  // 30 -> 90, 40 -> 120: 40 is the first to reach 100.
  EXPECT_EQ(SearchWatermarkFontHeight(100, 1000, threeTimesHeight), 40);
  EXPECT_EQ(measured, 4);
  EXPECT_EQ(SearchWatermarkFontHeight(90, 1000, threeTimesHeight), 30);
  // Reaching the target exactly at the limit still counts.
  EXPECT_EQ(SearchWatermarkFontHeight(120, 40, threeTimesHeight), 40);
}

TEST(WatermarkFontSearch, ANothingWideTargetStopsAtTheFirstStep) {
  EXPECT_EQ(SearchWatermarkFontHeight(0, 0, [](int) { return 0; }), 10);
}

TEST(WatermarkFontSearch, TextThatNeverGrowsEndsAtTheLimitWithNoHeight) {
  int measured = 0;
  const int height = SearchWatermarkFontHeight(400, 1600, [&measured](int) {
    ++measured;
    return 0;
  });
  EXPECT_EQ(height, 0);
  EXPECT_EQ(measured, 160);
}

TEST(WatermarkFontSearch, AFontThatCannotBeMadeEndsTheSearchWithNoHeight) {
  EXPECT_EQ(SearchWatermarkFontHeight(400, 1600, [](int height) { return height < 50 ? 10 : -1; }),
            0);
}

TEST(WatermarkFontSearch, RepeatedInputsAreNotSearchedAgain) {
  int measured = 0;
  const auto measure = [&measured](int height) {
    ++measured;
    return 2 * height;
  };
  FontSearchKey key;
  key.text = "remembered";
  key.targetWidth = 200;
  key.heightLimit = 4000;
  EXPECT_EQ(RememberedWatermarkFontHeight(key, measure), 100);
  const int firstSearch = measured;
  EXPECT_EQ(RememberedWatermarkFontHeight(key, measure), 100);
  EXPECT_EQ(measured, firstSearch);

  FontSearchKey otherDevice = key;
  otherDevice.logPixelsY = 600;
  EXPECT_EQ(RememberedWatermarkFontHeight(otherDevice, measure), 100);
  EXPECT_GT(measured, firstSearch);
  const int secondSearch = measured;
  key.text = "other";
  RememberedWatermarkFontHeight(key, measure);
  EXPECT_GT(measured, secondSearch);
}

// The width of `text` in the upright watermark font of `height` on `dc`.
int WidthAt(HDC dc, const std::string& text, int height) {
  const LOGFONTA logFont = WatermarkLogFont(height, 0, text.c_str());
  const HFONT font = CreateFontIndirectA(&logFont);
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE extent = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, previous);
  DeleteObject(font);
  return extent.cx;
}

TEST(WatermarkFontHeightOnADevice, GrowsUntilTheTextIsAsWideAsTheSmallerSide) {
  SheetCanvas canvas(10, 10);
  const std::string text = "CONFIDENTIAL";
  for (const RECT& r : {RECT{0, 0, 300, 300}, RECT{0, 0, 500, 260}, RECT{40, 0, 300, 900}}) {
    const int side = std::min(r.right - r.left, r.bottom - r.top);
    const int height = WatermarkFontHeight(canvas.dc(), text.c_str(), r);
    ASSERT_GT(height, 10);
    EXPECT_GE(WidthAt(canvas.dc(), text, height), side);
    EXPECT_LT(WidthAt(canvas.dc(), text, height - 10), side);
  }
}

TEST(WatermarkFontHeightOnADevice, ANarrowTextIsDrawnAsWideAsTheSmallerSideToo) {
  SheetCanvas canvas(10, 10);
  for (const std::string text : {"'", "l", "1", "i!"}) {
    // At four times the larger side these are still narrower than the smaller one.
    for (const RECT& r : {RECT{0, 0, 300, 300}, RECT{0, 0, 900, 120}}) {
      const int side = std::min(r.right - r.left, r.bottom - r.top);
      const int height = WatermarkFontHeight(canvas.dc(), text.c_str(), r);
      ASSERT_GT(height, 0) << '"' << text << '"';
      EXPECT_GE(WidthAt(canvas.dc(), text, height), side) << '"' << text << '"';
    }
  }
  EXPECT_EQ(WatermarkFontHeight(canvas.dc(), "", RECT{0, 0, 300, 300}), 0);
}

TEST(WatermarkFontHeightOnADevice, TheFontStartsAllZeroButHeightAngleAndFace) {
  const LOGFONTA font = WatermarkLogFont(130, 450, "CONFIDENTIAL");
  EXPECT_EQ(font.lfHeight, 130);
  EXPECT_EQ(font.lfEscapement, 450);
  EXPECT_EQ(font.lfOrientation, 450);
  EXPECT_EQ(font.lfWeight, 0);
  EXPECT_EQ(font.lfCharSet, 0);
  EXPECT_STREQ(font.lfFaceName, "Times New Roman");
}

}  // namespace
