#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The watermark font search: heights from 10 in steps of 10 until the text is at least
// targetWidth wide. Returns that height, or 0 when the font cannot be made (textWidthAt
// returns a negative width) or heightLimit is passed without the text getting wide enough
// (zero-width characters, a font the mapper refuses): such a search would never end.
int SearchWatermarkFontHeight(int targetWidth, int heightLimit,
                              const std::function<int(int height)>& textWidthAt);

// Everything the search's result depends on.
struct FontSearchKey {
  std::string text;
  int targetWidth = 0;
  int heightLimit = 0;
  // How the device context maps logical units and measures text.
  int mapMode = 0;
  SIZE windowExtent = {};
  SIZE viewportExtent = {};
  int logPixelsX = 0;
  int logPixelsY = 0;
  int technology = 0;
  int characterExtra = 0;

  bool operator==(const FontSearchKey& other) const;
};

// The search's result for `key`, searched only when the key differs from the last one:
// repainting the same sheet must not repeat the search.
int RememberedWatermarkFontHeight(const FontSearchKey& key,
                                  const std::function<int(int height)>& textWidthAt);

// The height at which the watermark font search stops for `text` in rectangle `r` on `dc`,
// 0 for none.
int WatermarkFontHeight(HDC dc, const char* text, const RECT& r);

// The watermark font for `text`: all zero but the height, the angle (tenths of a degree), the
// face and the character set the text needs (ANSI_CHARSET for ASCII, as 0 is).
LOGFONTA WatermarkLogFont(int height, int escapement, const char* text);
