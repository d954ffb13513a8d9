#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sheet_canvas.h"
#include "sheet_renderer.h"
#include "sheet_text.h"
#include "test_pages.h"

namespace {

// Draws one blank page's sheet into r on a canvas of w x h with the record selected.
struct DecoratedSheet {
  DecoratedSheet(int w, int h, const RECT& r, const WatermarkRecord& record, int selection = 1)
      : canvas(w, h), sheet(r) {
    pages.AddBlank(210, 297);
    options.pageBorder = kPageBorderNone;
    options.watermarks = {record};
    options.watermarkSel = selection;
    drawn = DrawSheet(canvas.dc(), r, pages.entries(), {}, 0, options, SelectedWatermark(options));
  }

  SheetCanvas canvas;
  RECT sheet;
  TestPages pages;
  OptionSettings options;
  BOOL drawn = FALSE;
};

TEST(SheetHeaderAndFooter, AreOneLineCentredOverTheWholeSheetAtItsTopAndBottom) {
  const RECT r = {30, 20, 430, 320};
  DecoratedSheet header(460, 340, r, {"h", "Header line", kWatermarkTypeHeader});
  ASSERT_TRUE(header.drawn);
  const RECT top = header.canvas.DarkBounds(r);
  ASSERT_LT(top.left, top.right);
  EXPECT_NEAR((top.left + top.right) / 2, 230, 2);
  EXPECT_LT(top.top, r.top + 6);
  EXPECT_LT(top.bottom, r.top + 30);

  DecoratedSheet footer(460, 340, r, {"f", "Footer line", kWatermarkTypeFooter});
  const RECT bottom = footer.canvas.DarkBounds(r);
  ASSERT_LT(bottom.left, bottom.right);
  EXPECT_NEAR((bottom.left + bottom.right) / 2, 230, 2);
  EXPECT_GT(bottom.bottom, r.bottom - 8);
  EXPECT_GT(bottom.top, r.bottom - 30);
}

TEST(SheetHeaderAndFooter, TextWiderThanTheSheetIsClippedAtItsEdges) {
  const RECT r = {40, 40, 140, 140};
  const std::string wide(80, 'W');
  DecoratedSheet header(180, 180, r, {"h", wide, kWatermarkTypeHeader});
  const RECT bounds = header.canvas.DarkBounds(header.canvas.Whole());
  EXPECT_GE(bounds.left, r.left);
  EXPECT_LE(bounds.right, r.right);
  EXPECT_GT(bounds.right - bounds.left, 90);
}

// Dark pixels' centre and the angle of their main axis (degrees, counter-clockwise on screen).
struct Spread {
  double centreX = 0, centreY = 0, angle = 0;
  int count = 0;
};

Spread SpreadOfDark(const SheetCanvas& canvas, const RECT& area) {
  Spread spread;
  double sumX = 0, sumY = 0, sumXX = 0, sumYY = 0, sumXY = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (!canvas.IsDark(x, y)) continue;
      ++spread.count;
      sumX += x;
      sumY += y;
      sumXX += double(x) * x;
      sumYY += double(y) * y;
      sumXY += double(x) * y;
    }
  }
  if (spread.count == 0) return spread;
  spread.centreX = sumX / spread.count;
  spread.centreY = sumY / spread.count;
  const double varX = sumXX / spread.count - spread.centreX * spread.centreX;
  const double varY = sumYY / spread.count - spread.centreY * spread.centreY;
  const double cov = sumXY / spread.count - spread.centreX * spread.centreY;
  // y grows downwards on screen, so a rising line has a negative covariance.
  spread.angle = -0.5 * std::atan2(2 * cov, varX - varY) * 180.0 / 3.14159265358979;
  return spread;
}

TEST(OutlineWatermark, IsCentredOnTheSheetAndRunsUpAtFortyFiveDegrees) {
  const RECT r = {20, 40, 420, 640};
  DecoratedSheet sheet(460, 680, r, {"w", "CONFIDENTIAL", kWatermarkTypeOutline});
  ASSERT_TRUE(sheet.drawn);
  const Spread spread = SpreadOfDark(sheet.canvas, sheet.canvas.Whole());
  ASSERT_GT(spread.count, 200);
  EXPECT_NEAR(spread.centreX, 220, 12);
  EXPECT_NEAR(spread.centreY, 340, 12);
  EXPECT_NEAR(spread.angle, 45, 6);
  // As wide as the smaller side at most: the search stops there and draws two steps smaller.
  const RECT bounds = sheet.canvas.DarkBounds(sheet.canvas.Whole());
  const double diagonal = std::hypot(bounds.right - bounds.left, bounds.bottom - bounds.top);
  EXPECT_LT(diagonal, 400 + 60);
  EXPECT_GT(diagonal, 400 * 0.6);
}

TEST(OutlineWatermark, IsStrokedNotFilled) {
  const RECT r = {0, 0, 400, 400};
  DecoratedSheet sheet(400, 400, r, {"w", "O", kWatermarkTypeOutline});
  const RECT bounds = sheet.canvas.DarkBounds(r);
  ASSERT_GT(bounds.right - bounds.left, 100);
  // The middle of a large "O" is its counter; an outline leaves it white, and so does the
  // middle of its stroke.
  EXPECT_TRUE(sheet.canvas.IsWhite(200, 200));
  const int area = (bounds.right - bounds.left) * (bounds.bottom - bounds.top);
  EXPECT_LT(sheet.canvas.CountDark(bounds), area / 4);
}

TEST(OutlineWatermark, DrawsNothingForAnEmptyTextAnUnknownTypeOrAMissingRecord) {
  const RECT r = {0, 0, 300, 300};
  DecoratedSheet empty(300, 300, r, {"w", "", kWatermarkTypeOutline});
  EXPECT_TRUE(empty.drawn);
  EXPECT_EQ(empty.canvas.CountDark(r), 0);
  DecoratedSheet emptyHeader(300, 300, r, {"w", "", kWatermarkTypeHeader});
  EXPECT_EQ(emptyHeader.canvas.CountDark(r), 0);
  DecoratedSheet unknown(300, 300, r, {"w", "Text", 3});
  EXPECT_EQ(unknown.canvas.CountDark(r), 0);
  DecoratedSheet pastTheList(300, 300, r, {"w", "Text", kWatermarkTypeOutline}, 2);
  EXPECT_TRUE(pastTheList.drawn);
  EXPECT_EQ(pastTheList.canvas.CountDark(r), 0);
}

TEST(OutlineWatermark, RotatedTextNeedsAText) {
  SheetCanvas canvas(100, 100);
  DrawRotatedText(canvas.dc(), 45, canvas.Whole(), nullptr);
  DrawRotatedText(canvas.dc(), 45, canvas.Whole(), "");
  EXPECT_TRUE(canvas.IsUntouched(50, 50));
  EXPECT_EQ(canvas.CountDark(canvas.Whole()), 0);
}

TEST(OutlineWatermark, TextOutlineIsCentredInItsRectangleAtAnyAngle) {
  for (int angle : {0, 45, 90}) {
    SheetCanvas canvas(300, 300);
    const RECT white = canvas.Whole();
    FillRect(canvas.dc(), &white, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const LOGFONTA logFont = {-60, 0, angle * 10, angle * 10, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                              "Times New Roman"};
    const HFONT font = CreateFontIndirectA(&logFont);
    const HGDIOBJ previous = SelectObject(canvas.dc(), font);
    StrokeTextOutline(canvas.dc(), "HHHH", {50, 50, 250, 250}, angle);
    SelectObject(canvas.dc(), previous);
    DeleteObject(font);
    const RECT bounds = canvas.DarkBounds(canvas.Whole());
    EXPECT_NEAR((bounds.left + bounds.right) / 2, 150, 8) << angle;
    EXPECT_NEAR((bounds.top + bounds.bottom) / 2, 150, 8) << angle;
  }
}

}  // namespace
