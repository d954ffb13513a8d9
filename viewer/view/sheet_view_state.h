#pragma once

#include <windows.h>

#include "sheet_hit_test.h"
#include "sheet_layout.h"
#include "sheet_navigation.h"

// The sheet kept when no printer says its size, turned to the layout's paper orientation.
SIZE SheetTurnedTo(SIZE sheet, bool landscape);

// What the view shows (sheet, zoom, layout) and which page is selected, with the rules by
// which the view's commands change them. Holds no window, so the rules are testable alone.
class SheetViewState {
 public:
  int currentSheet = 0;
  int zoomIndex = kZoomIndexNormal;
  SheetLayout layout;
  // The selected page's cell in the view's logical coordinates; empty for none.
  RECT selectionRect = {0, 0, 0, 0};
  // The page a hit named, possibly past the page list (an empty cell); -1 for none.
  int selectedPage = -1;

  int SheetCount(int pageCount) const { return GetSheetCount(layout, pageCount); }
  bool IsShowingSheet(int pageCount) const {
    return IsValidSheet(currentSheet, SheetCount(pageCount));
  }
  // The selected page when it names one of the list, else -1.
  int SelectedListPage(int pageCount) const;

  void ClearSelection();
  void GoToSheet(int sheet, int pageCount);

  // A pages-per-sheet choice; goes to sheet 0 even when the choice is already set.
  void ChoosePagesPerSheet(int pagesPerSheet, int pageCount);
  // The booklet: two pages a side, landscape, without repeated pages; goes to sheet 0.
  void ChooseBooklet(int pageCount);
    // "Repeat pages" with this layout: a booklet has no repeated pages.
  bool CanRepeatPages() const { return !layout.booklet && IsRepeatEnabled(layout.pagesPerSheet); }
  // Keeps the sheet and the selection.
  void ToggleOrderDown() { layout.orderDown = !layout.orderDown; }
  void ToggleRepeatPages(int pageCount);

  // Each returns false, changing nothing, when its enable rule forbids it.
  bool GoFirst(int pageCount);
  bool GoPrevious(int pageCount);
  bool GoNext(int pageCount);
  bool GoLast(int pageCount);
  bool ZoomOut();
  bool ZoomIn();
  bool ZoomNormal();

  // A click at `point` (logical coordinates) on the current sheet drawn at `sheetSize`.
  // Remembers the page of the cell hit; when it is a page of the list, the highlight moves
  // to that cell, `previous` receives the old highlight and true is returned.
  bool HitTestPage(POINT point, SIZE sheetSize, int pageCount, RECT& previous);
  // Shows the sheet of a page of the list and selects the page there, as a click on it
  // would (a page moved to another sheet stays selected in view).
  void SelectPage(int page, SIZE sheetSize, int pageCount);

 private:
  bool SetZoom(int zoom);
};
