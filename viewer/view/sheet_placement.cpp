#include "sheet_placement.h"

SIZE SheetSizeOnScreen(int sheetWidthTenthsMm, int sheetHeightTenthsMm) {
  return SIZE{sheetWidthTenthsMm / kTenthsMmPerScreenPixel,
              sheetHeightTenthsMm / kTenthsMmPerScreenPixel};
}

RECT SheetRectInColumn(SIZE sheet, int index) {
  const LONG top = kSheetGap + index * (sheet.cy + kSheetGap);
  return RECT{kSheetGap, top, kSheetGap + sheet.cx, top + sheet.cy};
}

RECT FitPageInto(const RECT& area, int pageWidth, int pageHeight) {
  const LONG areaWidth = area.right - area.left;
  const LONG areaHeight = area.bottom - area.top;
  if (pageWidth <= 0 || pageHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
    return RECT{area.left, area.top, area.left, area.top};
  // Fit by the side that limits: compare the two aspect ratios without division.
  LONG width = areaWidth;
  LONG height = static_cast<LONG>(static_cast<long long>(areaWidth) * pageHeight / pageWidth);
  if (height > areaHeight) {
    height = areaHeight;
    width = static_cast<LONG>(static_cast<long long>(areaHeight) * pageWidth / pageHeight);
  }
  const LONG left = area.left + (areaWidth - width) / 2;
  const LONG top = area.top + (areaHeight - height) / 2;
  return RECT{left, top, left + width, top + height};
}
