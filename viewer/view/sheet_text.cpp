#include "sheet_text.h"

#include <cmath>
#include <cstring>

#include "dc_state.h"
#include "framework/gdi_holders.h"
#include "watermark_font_search.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292522222223;
constexpr int kOutlinePenWidth = 2;
constexpr COLORREF kOutlineColour = RGB(0, 0, 0);
// The drawing font stands two search steps below the first height that reached the side.
constexpr int kDrawingFontBelowSearch = 20;

}  // namespace

void DrawRotatedText(HDC dc, int angle, const RECT& r, const char* text) {
  if (!text || !*text) return;
  const int searchHeight = WatermarkFontHeight(dc, text, r);
  if (searchHeight == 0) return;
  const LOGFONTA logFont = WatermarkLogFont(searchHeight - kDrawingFontBelowSearch, angle * 10);
  CGdiObject<HFONT> font(CreateFontIndirectA(&logFont));
  if (!font.get()) return;
  CScopedSelect selectFont(dc, font.get());
  ScopedBkMode transparent(dc, TRANSPARENT);
  StrokeTextOutline(dc, text, r, angle);
}

void StrokeTextOutline(HDC dc, const char* text, const RECT& r, double angle) {
  const int length = static_cast<int>(std::strlen(text));
  SIZE extent = {};
  GetTextExtentPoint32A(dc, text, length, &extent);
  const int halfW = extent.cx / 2;
  const int halfH = extent.cy / 2;
  const double a = angle * kRadiansPerDegree;
  const int offX = static_cast<int>(halfW * std::cos(a) - halfH * std::sin(a));
  const int offY = static_cast<int>(halfW * std::sin(a) + halfH * std::cos(a));
  const int x = r.left + (r.right - r.left) / 2 - offX;
  const int y = r.top + (r.bottom - r.top) / 2 + offY;

  CGdiObject<HPEN> pen(CreatePen(PS_SOLID, kOutlinePenWidth, kOutlineColour));
  if (!pen.get()) return;
  ScopedTextAlign bottom(dc, TA_LEFT | TA_BOTTOM);
  CScopedSelect selectPen(dc, pen.get());
  BeginPath(dc);
  TextOutA(dc, x, y, text, length);
  EndPath(dc);
  StrokePath(dc);
}
