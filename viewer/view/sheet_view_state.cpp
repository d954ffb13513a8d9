#include "sheet_view_state.h"

SIZE SheetTurnedTo(SIZE sheet, bool landscape) {
  if ((sheet.cx > sheet.cy) != landscape && sheet.cx != sheet.cy) return SIZE{sheet.cy, sheet.cx};
  return sheet;
}

int SheetViewState::SelectedListPage(int pageCount) const {
  return selectedPage >= 0 && selectedPage < pageCount ? selectedPage : -1;
}

void SheetViewState::ClearSelection() {
  SetRectEmpty(&selectionRect);
  selectedPage = -1;
}

void SheetViewState::GoToSheet(int sheet, int pageCount) {
  currentSheet = ClampSheet(sheet, SheetCount(pageCount));
  ClearSelection();
}

void SheetViewState::ChoosePagesPerSheet(int pagesPerSheet, int pageCount) {
  layout.pagesPerSheet = pagesPerSheet;
  layout.booklet = false;
  GoToSheet(0, pageCount);
}

void SheetViewState::ChooseBooklet(int pageCount) {
  layout.pagesPerSheet = 2;
  layout.booklet = true;
  layout.repeatPages = false;
  GoToSheet(0, pageCount);
}

void SheetViewState::ToggleRepeatPages(int pageCount) {
  layout.repeatPages = !layout.repeatPages;
  GoToSheet(0, pageCount);
}

bool SheetViewState::GoFirst(int pageCount) {
  if (!CanGoBack(currentSheet)) return false;
  GoToSheet(0, pageCount);
  return true;
}

bool SheetViewState::GoPrevious(int pageCount) {
  if (!CanGoBack(currentSheet)) return false;
  GoToSheet(currentSheet - 1, pageCount);
  return true;
}

bool SheetViewState::GoNext(int pageCount) {
  if (!CanGoForward(currentSheet, SheetCount(pageCount))) return false;
  GoToSheet(currentSheet + 1, pageCount);
  return true;
}

bool SheetViewState::GoLast(int pageCount) {
  if (!CanGoForward(currentSheet, SheetCount(pageCount))) return false;
  GoToSheet(SheetCount(pageCount) - 1, pageCount);
  return true;
}

bool SheetViewState::SetZoom(int zoom) {
  zoomIndex = zoom;
  // The highlight is in zoomed coordinates and would no longer match.
  ClearSelection();
  return true;
}

bool SheetViewState::ZoomOut() { return CanZoomOut(zoomIndex) && SetZoom(zoomIndex - 1); }
bool SheetViewState::ZoomIn() { return CanZoomIn(zoomIndex) && SetZoom(zoomIndex + 1); }
bool SheetViewState::ZoomNormal() {
  return CanZoomNormal(zoomIndex) && SetZoom(kZoomIndexNormal);
}

bool SheetViewState::HitTestPage(POINT point, SIZE sheetSize, int pageCount, RECT& previous) {
  if (!IsShowingSheet(pageCount)) return false;
  const RECT sheetRect = {0, 0, sheetSize.cx, sheetSize.cy};
  SheetHit hit;
  if (!HitTestSheet(layout, currentSheet, pageCount, sheetRect, point, hit)) return false;
  selectedPage = hit.page;
  // An empty cell names no page; the highlight already drawn stays.
  if (hit.page >= pageCount) return false;
  previous = selectionRect;
  selectionRect = hit.cell;
  return true;
}

void SheetViewState::SelectPage(int page, SIZE sheetSize, int pageCount) {
  if (page < 0 || page >= pageCount) return;
  GoToSheet(SheetOfPage(layout, page, pageCount), pageCount);
  const RECT sheetRect = {0, 0, sheetSize.cx, sheetSize.cy};
  const SheetGrid grid = GridOf(layout.pagesPerSheet);
  for (int visit = 0; visit < grid.columns * grid.rows; ++visit) {
    const CellPosition cell = CellOfVisit(layout, visit);
    if (PageOfCell(layout, currentSheet, cell, pageCount) != page) continue;
    selectedPage = page;
    selectionRect = CellRect(sheetRect, layout, cell);
    return;
  }
}
