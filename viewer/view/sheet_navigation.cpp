#include "sheet_navigation.h"

#include <algorithm>
#include <cstdint>

#include "formatted_text.h"

int ZoomPercent(int zoomIndex) {
  return kZoomPercents[std::clamp(zoomIndex, 0, kZoomIndexCount - 1)];
}

bool CanZoomOut(int zoomIndex) { return zoomIndex > 0; }

bool CanZoomIn(int zoomIndex) { return zoomIndex < kZoomIndexCount - 1; }

bool CanZoomNormal(int zoomIndex) { return zoomIndex != kZoomIndexNormal; }

SIZE ZoomedSheetSize(int sheetWidth, int sheetHeight, int zoomIndex) {
  const std::int64_t zoom = ZoomPercent(zoomIndex);
  const auto side = [zoom](int tenths) {
    return static_cast<LONG>(std::clamp<std::int64_t>(tenths * zoom / 500, 0, kMaxSheetPixels));
  };
  return {side(sheetWidth), side(sheetHeight)};
}

int ClampSheet(int sheet, int sheetCount) {
  if (sheet >= sheetCount) sheet = sheetCount - 1;
  return std::max(sheet, 0);
}

bool IsValidSheet(int sheet, int sheetCount) { return sheet >= 0 && sheet < sheetCount; }

bool CanGoBack(int currentSheet) { return currentSheet > 0; }

bool CanGoForward(int currentSheet, int sheetCount) { return currentSheet < sheetCount - 1; }

std::string GoToInfoText(int currentSheet, int sheetCount) {
  return FormatText(kGoToInfoFormat, currentSheet + 1, sheetCount);
}

int SheetOfGoToNumber(int pageNumber, int sheetCount) {
  // pageNumber - 1 would overflow for the smallest int.
  if (pageNumber < 1) return -1;
  return IsValidSheet(pageNumber - 1, sheetCount) ? pageNumber - 1 : -1;
}
