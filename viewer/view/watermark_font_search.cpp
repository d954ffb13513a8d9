#include "watermark_font_search.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#include "framework/gdi_holders.h"
#include "sheet_text.h"

namespace {

constexpr char kWatermarkFace[] = "Times New Roman";
constexpr int kFontSearchStep = 10;
// Text widths grow about in proportion to the height, give or take the hinting of small
// sizes: the search may go this many times past the height the proportion names.
constexpr std::int64_t kFontHeightSlack = 2;
constexpr std::int64_t kMaxFontHeightLimit = std::numeric_limits<int>::max() / 2;

// The text's width in the upright watermark font of `height`, the one it is drawn in but for
// the angle; -1 when no font is made.
int MeasureTextWidth(HDC dc, const std::string& text, int height) {
  const LOGFONTA logFont = WatermarkLogFont(height, 0, text.c_str());
  CGdiObject<HFONT> font(CreateFontIndirectA(&logFont));
  if (!font.get()) return -1;
  CScopedSelect select(dc, font.get());
  SIZE extent = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

// Where the search gives up, from the text's width at a probe height as tall as the sheet:
// a text of any width, the narrowest single character too, reaches the target before it.
// A text with no width there never will, so the first step ends the search.
int HeightLimitFor(HDC dc, const std::string& text, const RECT& r, int targetWidth) {
  const std::int64_t side = std::max<std::int64_t>(
      kFontSearchStep, std::max(r.right - r.left, r.bottom - r.top));
  const int probeHeight = static_cast<int>(std::min(side, kMaxFontHeightLimit));
  const int probeWidth = MeasureTextWidth(dc, text, probeHeight);
  if (probeWidth <= 0) return kFontSearchStep;
  const std::int64_t limit =
      kFontHeightSlack * probeHeight * std::max(targetWidth, 1) / probeWidth + kFontSearchStep;
  return static_cast<int>(std::min(limit, kMaxFontHeightLimit));
}

FontSearchKey KeyFor(HDC dc, const char* text, const RECT& r) {
  FontSearchKey key;
  key.text = text;
  key.targetWidth = std::min(r.right - r.left, r.bottom - r.top);
  key.heightLimit = HeightLimitFor(dc, key.text, r, key.targetWidth);
  key.mapMode = GetMapMode(dc);
  GetWindowExtEx(dc, &key.windowExtent);
  GetViewportExtEx(dc, &key.viewportExtent);
  key.logPixelsX = GetDeviceCaps(dc, LOGPIXELSX);
  key.logPixelsY = GetDeviceCaps(dc, LOGPIXELSY);
  key.technology = GetDeviceCaps(dc, TECHNOLOGY);
  key.characterExtra = GetTextCharacterExtra(dc);
  return key;
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

LOGFONTA WatermarkLogFont(int height, int escapement, const char* text) {
  LOGFONTA font;
  std::memset(&font, 0, sizeof font);
  font.lfHeight = height;
  font.lfEscapement = escapement;
  font.lfOrientation = escapement;
  font.lfCharSet = TextCharset(text);
  std::strncpy(font.lfFaceName, kWatermarkFace, sizeof font.lfFaceName - 1);
  return font;
}
