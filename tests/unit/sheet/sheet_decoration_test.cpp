#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "sheet_canvas.h"
#include "sheet_renderer.h"
#include "sheet_text.h"
#include "test_pages.h"
#include "watermark_font_search.h"

namespace {

// Draws one blank page's sheet into r on a canvas of w x h with the record selected, in the
// device font given (the canvas's own when null).
struct DecoratedSheet {
  DecoratedSheet(int w, int h, const RECT& r, const WatermarkRecord& record, int selection = 1,
                 HFONT deviceFont = nullptr)
      : canvas(w, h), sheet(r) {
    pages.AddBlank(210, 297);
    options.pageBorder = kPageBorderNone;
    options.watermarks = {record};
    options.watermarkSel = selection;
    if (deviceFont) SelectObject(canvas.dc(), deviceFont);
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

HFONT MakeFont(const char* face, BYTE charset, int height, int escapement = 0) {
  LOGFONTA logFont = {};
  logFont.lfHeight = height;
  logFont.lfEscapement = escapement;
  logFont.lfOrientation = escapement;
  logFont.lfCharSet = charset;
  lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectA(&logFont);
}

// `text` drawn on a white canvas as a header is, in `font`.
void DrawLineIn(const SheetCanvas& canvas, HFONT font, const std::string& text, const RECT& r) {
  FillRect(canvas.dc(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  CScopedSelect select(canvas.dc(), font);
  RECT area = r;
  DrawTextA(canvas.dc(), text.c_str(), static_cast<int>(text.size()), &area,
            DT_CENTER | DT_SINGLELINE);
}

// A text of the double-byte code page in force and, for reference, a font that has its
// glyphs, chosen by name; none under code pages without such a font here.
struct DoubleByteSample {
  std::string text;
  const char* face;
  BYTE charset;
};

std::optional<DoubleByteSample> SampleOfCodePage() {
  // "申請書" (application form), in Japanese kanji and Korean hanja alike; this source is UTF-8.
  wchar_t wide[16] = {};
  MultiByteToWideChar(CP_UTF8, 0, "\xE7\x94\xB3\xE8\xAB\x8B\xE6\x9B\xB8", -1, wide, 16);
  char text[16] = {};
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
  switch (GetACP()) {
    case 932: return DoubleByteSample{text, "IPAGothic", SHIFTJIS_CHARSET};
    case 949: return DoubleByteSample{text, "NanumGothic", HANGUL_CHARSET};
    default: return std::nullopt;
  }
}

// The share of the dark pixels of `drawn` with a dark pixel of `reference` at most `reach`
// pixels away: the same glyphs give nearly 1, others (boxes, Latin letters) far less.
double ShareOfInkNear(const SheetCanvas& drawn, const SheetCanvas& reference, int reach) {
  int dark = 0, nearby = 0;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      if (!drawn.IsDark(x, y)) continue;
      ++dark;
      const RECT around = {x - reach, y - reach, x + reach + 1, y + reach + 1};
      nearby += reference.CountDark(around) > 0 ? 1 : 0;
    }
  }
  return dark == 0 ? 0 : double(nearby) / dark;
}

void ExpectSameGlyphs(const SheetCanvas& drawn, const SheetCanvas& reference) {
  const int ink = drawn.CountDark(drawn.Whole());
  const int referenceInk = reference.CountDark(reference.Whole());
  ASSERT_GT(referenceInk, 100);
  EXPECT_NEAR(ink, referenceInk, referenceInk / 5);
  EXPECT_GT(ShareOfInkNear(drawn, reference, 2), 0.9);
  EXPECT_GT(ShareOfInkNear(reference, drawn, 2), 0.9);
}

TEST(SheetHeaderAndFooter, DoubleByteTextHasItsGlyphsEvenWhereTheDeviceFontLacksThem) {
  const std::optional<DoubleByteSample> sample = SampleOfCodePage();
  if (!sample) GTEST_SKIP() << "needs code page 932 or 949";
  // A printer's default font is a Latin one of the ANSI character set.
  const CGdiObject<HFONT> latin(MakeFont("Times New Roman", ANSI_CHARSET, -24));
  const RECT r = {10, 10, 410, 110};
  DecoratedSheet header(420, 120, r, {"h", sample->text, kWatermarkTypeHeader}, 1, latin.get());
  ASSERT_TRUE(header.drawn);
  TEXTMETRICA latinMetrics = {};
  GetTextMetricsA(header.canvas.dc(), &latinMetrics);
  // The same line in the reference font, as tall as the device font.
  const CGdiObject<HFONT> font(MakeFont(sample->face, sample->charset, latinMetrics.tmHeight));
  SheetCanvas reference(420, 120);
  DrawLineIn(reference, font.get(), sample->text, r);
  ExpectSameGlyphs(header.canvas, reference);

  // A text of ASCII only keeps the device font.
  const std::string ascii = "Header line";
  DecoratedSheet asciiHeader(420, 120, r, {"h", ascii, kWatermarkTypeHeader}, 1, latin.get());
  SheetCanvas inLatin(420, 120);
  DrawLineIn(inLatin, latin.get(), ascii, r);
  EXPECT_EQ(asciiHeader.canvas.CountDark(r), inLatin.CountDark(r));
  const RECT drawnBounds = asciiHeader.canvas.DarkBounds(r);
  const RECT latinBounds = inLatin.DarkBounds(r);
  EXPECT_TRUE(EqualRect(&drawnBounds, &latinBounds));
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

TEST(OutlineWatermark, DoubleByteTextIsStrokedWithItsGlyphs) {
  const std::optional<DoubleByteSample> sample = SampleOfCodePage();
  if (!sample) GTEST_SKIP() << "needs code page 932 or 949";
  const RECT r = {0, 0, 400, 400};
  DecoratedSheet sheet(400, 400, r, {"w", sample->text, kWatermarkTypeOutline});
  ASSERT_TRUE(sheet.drawn);

  // The same text stroked by hand in the reference font, two steps below the size at which
  // it reaches the sheet's side in that font.
  SheetCanvas reference(400, 400);
  FillRect(reference.dc(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const int height = SearchWatermarkFontHeight(400, 4000, [&](int h) {
    const CGdiObject<HFONT> upright(MakeFont(sample->face, sample->charset, h));
    const CScopedSelect select(reference.dc(), upright.get());
    SIZE extent = {};
    GetTextExtentPoint32A(reference.dc(), sample->text.c_str(),
                          static_cast<int>(sample->text.size()), &extent);
    return static_cast<int>(extent.cx);
  });
  ASSERT_GT(height, 20);
  const CGdiObject<HFONT> turned(MakeFont(sample->face, sample->charset, height - 20, 450));
  {
    const CScopedSelect select(reference.dc(), turned.get());
    StrokeTextOutline(reference.dc(), sample->text.c_str(), r, 45);
  }
  ExpectSameGlyphs(sheet.canvas, reference);
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
