#include "sheet_text_font.h"

#include "gdi_holders.h"

namespace {

// Every Windows has it.
constexpr char kTrueTypeDefaultFace[] = "Arial";

}  // namespace

HFONT CreateSheetTextFont(int dpi) {
  CClientDC screen(nullptr);
  if (!screen || dpi < 1) return nullptr;
  // A fresh DC holds the default font, whatever the screen's DC has selected.
  CMemoryDC dc(screen.get());
  TEXTMETRICA metrics;
  LOGFONTA font = {};
  if (!dc || !GetTextMetricsA(dc.get(), &metrics) ||
      !GetObjectA(GetCurrentObject(dc.get(), OBJ_FONT), sizeof font, &font))
    return nullptr;
  const int screenDpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  font.lfHeight = MulDiv(metrics.tmHeight, dpi, screenDpi > 0 ? screenDpi : dpi);
  font.lfWidth = 0;
  font.lfWeight = metrics.tmWeight;
  font.lfCharSet = metrics.tmCharSet;
  if (!(metrics.tmPitchAndFamily & TMPF_TRUETYPE)) lstrcpyA(font.lfFaceName, kTrueTypeDefaultFace);
  return CreateFontIndirectA(&font);
}
