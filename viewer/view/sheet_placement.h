#pragma once

#include <windows.h>

// Sheets on screen: one pixel is half a millimetre at 100 %, sheet sizes are in tenths
// of a millimetre.
constexpr int kTenthsMmPerScreenPixel = 5;
// Room around and between the sheets shown one below the other.
constexpr int kSheetGap = 16;

SIZE SheetSizeOnScreen(int sheetWidthTenthsMm, int sheetHeightTenthsMm);

// Where sheet `index` of a column of sheets stands.
RECT SheetRectInColumn(SIZE sheet, int index);

// The largest rectangle of the page's proportions inside `area`, centred; empty when
// the page has no size.
RECT FitPageInto(const RECT& area, int pageWidth, int pageHeight);
