#pragma once

#include <windows.h>

#include "sheet_layout.h"

// A cell under a point: the page it stands for (possibly past the page list, an empty
// cell) and its rectangle.
struct SheetHit {
  int page;
  RECT cell;
};

// The first cell of `sheet`, drawn into `sheetRect`, that contains `point` (its left and top
// edges count, its right and bottom ones not), scanning rows from the top and columns from
// the left; false off the sheet and in the remainder strip.
bool HitTestSheet(const SheetLayout& layout, int sheet, int pageCount, const RECT& sheetRect,
                  POINT point, SheetHit& hit);
