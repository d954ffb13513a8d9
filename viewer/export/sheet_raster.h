#pragma once

#include <windows.h>

#include <functional>

#include "image.h"

// Draws sheet `sheet` into `dc` filling `r`: the view passes the one sheet-drawing routine.
using SheetDrawer = std::function<void(HDC dc, const RECT& r, int sheet)>;

// Draws the sheet into a white bitmap of `size` pixels at `dpi` and returns its pixels
// (rows top to bottom, R, G, B) with the resolution; false when no bitmap of that size
// can be had.
bool RasteriseSheet(const SheetDrawer& draw, int sheet, SIZE size, int dpi, Image& image);
