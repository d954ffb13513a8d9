#pragma once

#include <memory>

#include "page_bitmap_cache.h"
#include "scroll_view.h"
#include "sheet_view_state.h"
#include "shown_pages.h"

struct OptionSettings;

// The viewer's view: the current sheet of the job at the chosen zoom, its layout commands,
// navigation, zoom and the page editing of a selected cell.
class CFoliumView : public CScrollView {
 public:
  static std::unique_ptr<CView> Make();

  void OnInitialUpdate() override;
  void OnUpdate(CView* sender, LPARAM hint) override;
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 protected:
  // A white class background without double-click messages, redrawn whole on resizing.
  bool PreCreateWindow(CREATESTRUCTA& cs) override;
  void OnDraw(HDC hdc) override;
  // One printed page per sheet of the layout.
  bool OnPreparePrinting(CPrintInfo* info) override;
  // The sheet of the current page fills the printable area; a sheet the job does not
  // have prints empty.
  void OnPrint(HDC hdc, CPrintInfo* info) override;
  // Without a printer the preview's paper is the screen's sheet.
  SIZE PreviewPaperSize() const override;
  // Both sides when the user asks for it and always for a booklet.
  TwoSidedPrinting TwoSidedRequest() const override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The pages shown on sheets (shown_pages.h) and their count, following the job.
  const std::vector<PageEntry>& Pages() const;
  int PageCount() const;
  SIZE ZoomedSheet() const;
  const OptionSettings& Options() const;
  void UpdateDocument();
  void OnMouseWheel(WPARAM wParam, LPARAM lParam);
  void OnLeftButtonDown(LPARAM lParam);
  // Dragging a page onto another cell of the sheet moves it there.
  void OnMouseMove(WPARAM wParam, LPARAM lParam);
  void OnLeftButtonUp(LPARAM lParam);
  void OnRightButtonUp(LPARAM lParam);
  void HitTestPage(POINT client);
  void InvalidateHighlight(RECT cell);

  void ChoosePagesPerSheet(int pagesPerSheet);
  void OnLayout1() { ChoosePagesPerSheet(1); }
  void OnLayout2() { ChoosePagesPerSheet(2); }
  void OnLayout4() { ChoosePagesPerSheet(4); }
  void OnLayout6() { ChoosePagesPerSheet(6); }
  void OnLayout8() { ChoosePagesPerSheet(8); }
  void OnLayout16() { ChoosePagesPerSheet(16); }
  void OnUpdateLayout(CCmdUI* ui, int pagesPerSheet);
  void OnUpdateLayout1(CCmdUI* ui) { OnUpdateLayout(ui, 1); }
  void OnUpdateLayout2(CCmdUI* ui) { OnUpdateLayout(ui, 2); }
  void OnUpdateLayout4(CCmdUI* ui) { OnUpdateLayout(ui, 4); }
  void OnUpdateLayout6(CCmdUI* ui) { OnUpdateLayout(ui, 6); }
  void OnUpdateLayout8(CCmdUI* ui) { OnUpdateLayout(ui, 8); }
  void OnUpdateLayout16(CCmdUI* ui) { OnUpdateLayout(ui, 16); }
  void OnLayoutBooklet();
  void OnUpdateLayoutBooklet(CCmdUI* ui);
  // Trimmed margins, kept in the profile; the layout follows the profile.
  void OnTrimMargins();
  void OnUpdateTrimMargins(CCmdUI* ui);
  // The layout with the most pages a sheet whose text stays readable, said in the message pane.
  void OnLayoutReadable();
  // The current sheet's smallest text in its status pane, nothing without text.
  void OnUpdateSmallestText(CCmdUI* ui);
  // Blank pages left off the sheets or brought back in place, kept in the profile.
  void OnLeaveOutBlank();
  void OnUpdateLeaveOutBlank(CCmdUI* ui);
  // The paper turns with the layout; without a printer the kept sheet turns.
  void TurnPaperFor(bool landscape);
  void OnOrderDown();
  void OnUpdateOrderDown(CCmdUI* ui);
  void OnRepeatPages();
  void OnUpdateRepeatPages(CCmdUI* ui);

  void OnGotoPage();
  void OnFirstPage();
  void OnPrevPage();
  void OnNextPage();
  void OnLastPage();
  void OnUpdateGoBack(CCmdUI* ui);
  void OnUpdateGoForward(CCmdUI* ui);
  void OnZoomOut();
  void OnZoomNormal();
  void OnZoomIn();
  void OnUpdateZoomOut(CCmdUI* ui);
  void OnUpdateZoomNormal(CCmdUI* ui);
  void OnUpdateZoomIn(CCmdUI* ui);

  void OnPageDelete();
  void OnPageInsertBefore();
  void OnPageInsertAfter();
  void OnPageCopy();
  // Moves a page, which stays selected where it lands.
  void MoveSelectedPageFrom(int from, int to);
  void OnPageMoveEarlier();
  void OnPageMoveLater();
  void OnUpdatePageMoveEarlier(CCmdUI* ui);
  void OnUpdatePageMoveLater(CCmdUI* ui);
  void OnPageTurnClockwise();
  void OnPageTurnAnticlockwise();

  // Writes every sheet of the layout into one PDF or TIFF file, drawn as printing draws it.
  void OnFileSaveSheets();
  void OnUpdateFileSaveSheets(CCmdUI* ui);

  SheetViewState m_state;
  // A press on a page may become a drag: the page and where the press was, -1 for none.
  int m_pressedPage = -1;
  POINT m_pressPoint = {0, 0};
  bool m_dragging = false;
  // Emptied on every update of the document: page list, layout, zoom, sheet or settings.
  CPageBitmapCache m_pageCache;
  // Taken anew on every update of the document.
  mutable ShownPages m_shown;
};
