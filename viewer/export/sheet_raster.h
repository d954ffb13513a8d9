#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>

#include "image.h"

// Draws sheet `sheet` into `dc` filling `r`: the view passes the one sheet-drawing routine.
using SheetDrawer = std::function<void(HDC dc, const RECT& r, int sheet)>;

// Draws the sheet into a white bitmap of `size` pixels at `dpi`, its own texts in the sheet
// text font of that resolution, and returns its pixels (rows top to bottom, R, G, B) with
// the resolution. When no bitmap of the whole sheet can be had, draws it in bands of a
// half, a quarter... of it; false when not even a band can.
bool RasteriseSheet(const SheetDrawer& draw, int sheet, SIZE size, int dpi, Image& image);

// The same in bands of `bandHeight` rows, each drawn with the sheet moved up over it.
bool RasteriseSheetInBands(const SheetDrawer& draw, int sheet, SIZE size, int dpi, int bandHeight,
                           Image& image);
