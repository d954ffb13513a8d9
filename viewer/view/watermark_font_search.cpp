#include "watermark_font_search.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "framework/gdi_holders.h"

namespace {

constexpr char kWatermarkFace[] = "Times New Roman";
constexpr int kFontSearchStep = 10;
// A single narrow character is about a quarter as wide as it is tall, so a text that has
// not reached the smaller side at four times the larger side never will.
constexpr int kFontHeightLimitPerSheetSide = 4;

int HeightLimitFor(const RECT& r) {
  const std::int64_t side = std::max(r.right - r.left, r.bottom - r.top);
  const std::int64_t limit = side * kFontHeightLimitPerSheetSide;
  return static_cast<int>(std::min<std::int64_t>(limit, std::numeric_limits<int>::max() / 2));
}

FontSearchKey KeyFor(HDC dc, const char* text, const RECT& r) {
  FontSearchKey key;
  key.text = text;
  key.targetWidth = std::min(r.right - r.left, r.bottom - r.top);
  key.heightLimit = HeightLimitFor(r);
  key.mapMode = GetMapMode(dc);
  GetWindowExtEx(dc, &key.windowExtent);
  GetViewportExtEx(dc, &key.viewportExtent);
  key.logPixelsX = GetDeviceCaps(dc, LOGPIXELSX);
  key.logPixelsY = GetDeviceCaps(dc, LOGPIXELSY);
  key.technology = GetDeviceCaps(dc, TECHNOLOGY);
  key.characterExtra = GetTextCharacterExtra(dc);
  return key;
}

// The text's width in an upright watermark font of `height`, -1 when no font is made.
int MeasureTextWidth(HDC dc, const std::string& text, int height) {
  const LOGFONTA logFont = WatermarkLogFont(height, 0);
  CGdiObject<HFONT> font(CreateFontIndirectA(&logFont));
  if (!font.get()) return -1;
  CScopedSelect select(dc, font.get());
  SIZE extent = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

}  // namespace

int SearchWatermarkFontHeight(int targetWidth, int heightLimit,
                              const std::function<int(int height)>& textWidthAt) {
  for (int height = kFontSearchStep;; height += kFontSearchStep) {
    const int width = textWidthAt(height);
    if (width < 0) return 0;
    if (width >= targetWidth) return height;
    if (height >= heightLimit) return 0;
  }
}

bool FontSearchKey::operator==(const FontSearchKey& other) const {
  return text == other.text && targetWidth == other.targetWidth &&
         heightLimit == other.heightLimit && mapMode == other.mapMode &&
         windowExtent.cx == other.windowExtent.cx && windowExtent.cy == other.windowExtent.cy &&
         viewportExtent.cx == other.viewportExtent.cx &&
         viewportExtent.cy == other.viewportExtent.cy && logPixelsX == other.logPixelsX &&
         logPixelsY == other.logPixelsY && technology == other.technology &&
         characterExtra == other.characterExtra;
}

int RememberedWatermarkFontHeight(const FontSearchKey& key,
                                  const std::function<int(int height)>& textWidthAt) {
  // Painting happens on the one GUI thread, so the last search needs no lock.
  static FontSearchKey lastKey;
  static int lastHeight = 0;
  static bool searched = false;
  if (!searched || !(key == lastKey)) {
    lastHeight = SearchWatermarkFontHeight(key.targetWidth, key.heightLimit, textWidthAt);
    lastKey = key;
    searched = true;
  }
  return lastHeight;
}

int WatermarkFontHeight(HDC dc, const char* text, const RECT& r) {
  const FontSearchKey key = KeyFor(dc, text, r);
  return RememberedWatermarkFontHeight(
      key, [dc, &key](int height) { return MeasureTextWidth(dc, key.text, height); });
}

LOGFONTA WatermarkLogFont(int height, int escapement) {
  LOGFONTA font;
  std::memset(&font, 0, sizeof font);
  font.lfHeight = height;
  font.lfEscapement = escapement;
  font.lfOrientation = escapement;
  std::strncpy(font.lfFaceName, kWatermarkFace, sizeof font.lfFaceName - 1);
  return font;
}
