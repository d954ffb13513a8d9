#include "sheet_layout.h"

#include <algorithm>
#include <cstdint>

#include "booklet_imposition.h"
#include "option_settings.h"

namespace {

// Cells of the sheet; equals pagesPerSheet for every choice and is never 0.
int CellCount(const SheetLayout& layout) {
  const SheetGrid grid = GridOf(layout.pagesPerSheet);
  return grid.columns * grid.rows;
}

// The MulDiv(mm, 10000, 1000) of the sheet-size rule, without its rounding ever mattering,
// held to kMaxSheetTenths.
LONG TenthsOfMm(int mm) {
  return static_cast<LONG>(
      std::min<std::int64_t>(static_cast<std::int64_t>(mm) * 10000 / 1000, kMaxSheetTenths));
}

}  // namespace

SheetGrid GridOf(int pagesPerSheet) {
  switch (pagesPerSheet) {
    case 2: return {2, 1};
    case 4: return {2, 2};
    case 6: return {3, 2};
    case 8: return {4, 2};
    case 16: return {4, 4};
    default: return {1, 1};
  }
}

bool IsLandscapeLayout(int pagesPerSheet) {
  return pagesPerSheet == 2 || pagesPerSheet == 6 || pagesPerSheet == 8;
}

bool IsOrderingEnabled(int pagesPerSheet) { return pagesPerSheet > 2; }

bool IsRepeatEnabled(int pagesPerSheet) { return pagesPerSheet != 1; }

int GetSheetCount(const SheetLayout& layout, int pageCount) {
  if (pageCount <= 0) return 0;
  if (layout.booklet) return BookletSheetCount(pageCount);
  if (layout.repeatPages) return pageCount;
  const int cells = CellCount(layout);
  return pageCount / cells + (pageCount % cells != 0 ? 1 : 0);
}


CellPosition CellOfVisit(const SheetLayout& layout, int visit) {
  const SheetGrid grid = GridOf(layout.pagesPerSheet);
  if (layout.orderDown) return {visit % grid.rows, visit / grid.rows};
  return {visit / grid.columns, visit % grid.columns};
}

int PageOfCell(const SheetLayout& layout, int sheet, const CellPosition& cell, int pageCount) {
  if (layout.booklet) return BookletPageOfCell(pageCount, sheet, cell.column);
  if (layout.repeatPages) return sheet;
  const int first = sheet * CellCount(layout);
  const SheetGrid grid = GridOf(layout.pagesPerSheet);
  if (layout.orderDown) return first + cell.column * grid.rows + cell.row;
  return first + cell.row * grid.columns + cell.column;
}

int SheetOfPage(const SheetLayout& layout, int page, int pageCount) {
  if (layout.booklet) return BookletPlaceOfPage(pageCount, page).sheet;
  if (layout.repeatPages) return page;
  return page / CellCount(layout);
}

RECT CellRect(const RECT& sheet, const SheetLayout& layout, const CellPosition& cell) {
  const SheetGrid grid = GridOf(layout.pagesPerSheet);
  const int cellWidth = (sheet.right - sheet.left) / grid.columns;
  const int cellHeight = (sheet.bottom - sheet.top) / grid.rows;
  const int left = sheet.left + cell.column * cellWidth;
  const int top = sheet.top + cell.row * cellHeight;
  return {left, top, left + cellWidth, top + cellHeight};
}

RECT PageRectInCell(const RECT& cell, int pageWidth, int pageHeight, int pageMargins) {
  if (pageWidth <= 0 || pageHeight <= 0) return {cell.left, cell.top, cell.left, cell.top};
  const int cellWidth = cell.right - cell.left;
  const int cellHeight = cell.bottom - cell.top;
  double scale = static_cast<double>(cellWidth) / pageWidth;
  if (cellHeight < pageHeight * scale) scale = static_cast<double>(cellHeight) / pageHeight;
  const int width = static_cast<int>(pageWidth * scale);
  const int height = static_cast<int>(pageHeight * scale);
  const int stepX = (cellWidth - width) / 8;
  const int stepY = (cellHeight - height) / 8;
  const int k = std::clamp(pageMargins, kPageMarginsNone, kPageMarginsOriginal);
  const int left = cell.left + k * stepX;
  const int top = cell.top + k * stepY;
  return {left, top, left + width, top + height};
}

bool SheetSizeFromPrintableArea(int horzSizeMm, int vertSizeMm, SIZE& sheet) {
  if (horzSizeMm <= 0 || vertSizeMm <= 0) return false;
  sheet = {TenthsOfMm(horzSizeMm), TenthsOfMm(vertSizeMm)};
  return true;
}
