#include "sheet_hit_test.h"

namespace {

bool CellContains(const RECT& cell, POINT point) {
  return point.x >= cell.left && point.x < cell.right && point.y >= cell.top &&
         point.y < cell.bottom;
}

}  // namespace

bool HitTestSheet(const SheetLayout& layout, int sheet, int pageCount, const RECT& sheetRect,
                  POINT point, SheetHit& hit) {
  const SheetGrid grid = GridOf(layout.pagesPerSheet);
  for (int row = 0; row < grid.rows; ++row) {
    for (int column = 0; column < grid.columns; ++column) {
      const CellPosition cell = {row, column};
      const RECT rect = CellRect(sheetRect, layout, cell);
      if (CellContains(rect, point)) {
        hit = {PageOfCell(layout, sheet, cell, pageCount), rect};
        return true;
      }
    }
  }
  return false;
}
