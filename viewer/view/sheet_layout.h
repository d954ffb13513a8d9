#pragma once

#include <windows.h>

// How pages are placed on sheets: held by the view, never saved.
struct SheetLayout {
  int pagesPerSheet = 1;
  // false: across (row by row); true: down (column by column).
  bool orderDown = false;
  // Every cell of a sheet shows the same page, one sheet per page.
  bool repeatPages = false;
  // Two pages a side in booklet order (pagesPerSheet stays 2); sheets alternate front, back.
  bool booklet = false;
  // Every page drawn from the box holding the ink of all pages instead of its whole paper.
  bool trimMargins = false;
};

// The six pages-per-sheet choices, in the order of their commands.
constexpr int kPagesPerSheetChoices[] = {1, 2, 4, 6, 8, 16};

struct SheetGrid {
  int columns;
  int rows;
};

// The fixed grid of a pages-per-sheet choice; 1 x 1 for a value that is no choice.
SheetGrid GridOf(int pagesPerSheet);

// Whether the paper is turned to landscape for this pages-per-sheet choice.
bool IsLandscapeLayout(int pagesPerSheet);

// "Ordering, Down or Across" only changes anything with more than one row and column.
bool IsOrderingEnabled(int pagesPerSheet);
// "Repeat pages" only changes anything with more than one cell.
bool IsRepeatEnabled(int pagesPerSheet);

int GetSheetCount(const SheetLayout& layout, int pageCount);

struct CellPosition {
  int row;
  int column;
};

// The cell visited `visit`-th (0 .. cells - 1): row by row across, column by column down.
CellPosition CellOfVisit(const SheetLayout& layout, int visit);

// The page shown in a cell; an index not below the page count means an empty cell.
int PageOfCell(const SheetLayout& layout, int sheet, const CellPosition& cell, int pageCount);

// The sheet that shows a page of the list (with repeated pages, the page's own sheet).
int SheetOfPage(const SheetLayout& layout, int page, int pageCount);

// The cell's rectangle inside `sheet`; the remainder of the integer divisions, at the right
// and bottom, belongs to no cell.
RECT CellRect(const RECT& sheet, const SheetLayout& layout, const CellPosition& cell);

// The page scaled into the cell with its aspect kept, moved from the cell's top-left by
// pageMargins eighths of the spare room. Empty at the cell's corner when the page has no size.
RECT PageRectInCell(const RECT& cell, int pageWidth, int pageHeight, int pageMargins);

// The longest sheet side kept, in tenths of a millimetre (100 m): a printer reporting more
// reports nonsense, and the zoomed sheet must stay within reach of 64-bit arithmetic.
constexpr int kMaxSheetTenths = 1000000;

// The sheet size in tenths of a millimetre from a printer's printable area in whole
// millimetres, each side at most kMaxSheetTenths; false (keep the old size) when the
// printer reports no area.
bool SheetSizeFromPrintableArea(int horzSizeMm, int vertSizeMm, SIZE& sheet);
