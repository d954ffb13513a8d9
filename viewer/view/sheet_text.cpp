#include "sheet_text.h"

#include <cmath>
#include <cstring>

#include "dc_state.h"
#include "watermark_font_search.h"

namespace {

constexpr double kRadiansPerDegree = 0.017453292522222223;
constexpr int kOutlinePenWidth = 2;
constexpr COLORREF kOutlineColour = RGB(0, 0, 0);
// The drawing font stands two search steps below the first height that reached the side.
constexpr int kDrawingFontBelowSearch = 20;

// The character set of the Windows ANSI code pages; any other is left to the mapper.
BYTE CharsetOfCodePage(UINT codePage) {
  switch (codePage) {
    case 874: return THAI_CHARSET;
    case 932: return SHIFTJIS_CHARSET;
    case 936: return GB2312_CHARSET;
    case 949: return HANGUL_CHARSET;
    case 950: return CHINESEBIG5_CHARSET;
    case 1250: return EASTEUROPE_CHARSET;
    case 1251: return RUSSIAN_CHARSET;
    case 1252: return ANSI_CHARSET;
    case 1253: return GREEK_CHARSET;
    case 1254: return TURKISH_CHARSET;
    case 1255: return HEBREW_CHARSET;
    case 1256: return ARABIC_CHARSET;
    case 1257: return BALTIC_CHARSET;
    case 1258: return VIETNAMESE_CHARSET;
    default: return DEFAULT_CHARSET;
  }
}

bool IsAscii(const char* text) {
  for (; *text; ++text) {
    if (static_cast<unsigned char>(*text) >= 0x80) return false;
  }
  return true;
}

// The font ScopedTextFont selects, null when the current one has the text's glyphs.
HFONT FontWithGlyphsOf(HDC dc, const char* text) {
  const BYTE charset = TextCharset(text);
  TEXTMETRICA metrics;
  if (charset == ANSI_CHARSET || !GetTextMetricsA(dc, &metrics) || metrics.tmCharSet == charset)
    return nullptr;
  LOGFONTA logFont;
  std::memset(&logFont, 0, sizeof logFont);
  if (!GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof logFont, &logFont)) return nullptr;
  // A printer scales its default font past the font's logical height: the cell height
  // keeps the size the text had.
  logFont.lfHeight = metrics.tmHeight;
  logFont.lfWidth = 0;
  logFont.lfCharSet = charset;
  return CreateFontIndirectA(&logFont);
}

}  // namespace

BYTE TextCharset(const char* text) {
  return IsAscii(text) ? ANSI_CHARSET : CharsetOfCodePage(GetACP());
}

ScopedTextFont::ScopedTextFont(HDC dc, const char* text)
    : m_font(FontWithGlyphsOf(dc, text)), m_select(dc, m_font.get()) {}

void DrawRotatedText(HDC dc, int angle, const RECT& r, const char* text) {
  if (!text || !*text) return;
  const int searchHeight = WatermarkFontHeight(dc, text, r);
  if (searchHeight == 0) return;
  const LOGFONTA logFont =
      WatermarkLogFont(searchHeight - kDrawingFontBelowSearch, angle * 10, text);
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
