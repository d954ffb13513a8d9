#include "folium_view.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "app/arrange_names.h"
#include "app/folium_app.h"
#include "document.h"
#include "gdi_holders.h"
#include "goto_page_dlg.h"
#include "main_frame.h"
#include "page_clipboard.h"
#include "formatted_text.h"
#include "page_measures.h"
#include "print_info.h"
#include "readable_layout.h"
#include "printer_settings.h"
#include "resource.h"
#include "sheet_hit_test.h"
#include "sheet_renderer.h"
#include "view_texts.h"
#include "win_app.h"

namespace {

// The selection outline is drawn 5 wide around the cell; invalidating this much more
// around it removes every trace of an old one.
constexpr int kHighlightMargin = 10;
constexpr int kHighlightPenWidth = 5;
constexpr COLORREF kHighlightColour = RGB(0, 0, 255);
// The outline and shadow around the sheet.
constexpr int kShadowWidth = 2;

constexpr char kFoliumViewClass[] = "QuillorSheetView";

void FillWithSystemColour(HDC dc, const RECT& area, int colourIndex) {
  FillRect(dc, &area, GetSysColorBrush(colourIndex));
}

void DrawOutlineAndShadow(HDC dc, SIZE sheet) {
  const int saved = SaveDC(dc);
  SelectObject(dc, GetStockObject(BLACK_PEN));
  SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
  Rectangle(dc, 0, 0, sheet.cx - kShadowWidth, sheet.cy - kShadowWidth);
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  PatBlt(dc, sheet.cx - kShadowWidth, kShadowWidth, kShadowWidth, sheet.cy - kShadowWidth,
         PATCOPY);
  PatBlt(dc, kShadowWidth, sheet.cy - kShadowWidth, sheet.cx - kShadowWidth, kShadowWidth,
         PATCOPY);
  RestoreDC(dc, saved);
}

void DrawSelectionOutline(HDC dc, const RECT& cell) {
  CGdiObject<HPEN> pen(CreatePen(PS_SOLID, kHighlightPenWidth, kHighlightColour));
  CScopedSelect selected(dc, pen.get());
  const POINT corners[] = {{cell.left, cell.top},
                           {cell.right, cell.top},
                           {cell.right, cell.bottom},
                           {cell.left, cell.bottom},
                           {cell.left, cell.top}};
  Polyline(dc, corners, sizeof corners / sizeof corners[0]);
}

}  // namespace

std::unique_ptr<CView> CFoliumView::Make() { return std::make_unique<CFoliumView>(); }

bool CFoliumView::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.lpszClass = RegisterFrameworkClass(kFoliumViewClass, CS_HREDRAW | CS_VREDRAW,
                                        static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), nullptr);
  return cs.lpszClass && CScrollView::PreCreateWindow(cs);
}

const std::vector<PageEntry>& CFoliumView::Pages() const {
  m_shown.Follow(FoliumApp().m_pages);
  return m_shown.pages();
}

int CFoliumView::PageCount() const { return static_cast<int>(Pages().size()); }

SIZE CFoliumView::ZoomedSheet() const {
  const CFoliumApp& app = FoliumApp();
  return ZoomedSheetSize(app.m_nSheetWidth, app.m_nSheetHeight, m_state.zoomIndex);
}

const OptionSettings& CFoliumView::Options() const {
  return static_cast<CMainFrame*>(GetParentFrame())->Settings();
}

void CFoliumView::UpdateDocument() {
  if (CDocument* document = GetDocument()) {
    document->UpdateAllViews(nullptr);
  } else {
    OnUpdate(nullptr, 0);
  }
}

void CFoliumView::OnInitialUpdate() {
  m_state.layout.trimMargins = FoliumApp().ProfileSwitch(kTrimMarginsEntry);
  SetScrollSizes(SIZE{1, 1});
  CScrollView::OnInitialUpdate();
}

void CFoliumView::OnUpdate(CView* sender, LPARAM hint) {
  m_pageCache.Clear();
  const bool leaveOutBlank = FoliumApp().ProfileSwitch(kLeaveOutBlankEntry);
  m_shown.Refresh(FoliumApp().m_pages, leaveOutBlank);
  if (leaveOutBlank && GetParentFrame())
    GetParentFrame()->SetMessageText(
        FormatText(kBlankLeftOutFormat, m_shown.Count(), m_shown.LeftOut()).c_str());
  SetScrollSizes(ZoomedSheet());
  if (m_hWnd) InvalidateRect(m_hWnd, nullptr, FALSE);
  (void)sender;
  (void)hint;
}

void CFoliumView::OnDraw(HDC hdc) {
  const int pageCount = PageCount();
  if (!m_state.IsShowingSheet(pageCount)) return;
  const SIZE sheet = ZoomedSheet();
  const RECT sheetRect = {0, 0, sheet.cx, sheet.cy};
  DrawSheet(hdc, sheetRect, Pages(), m_state.layout, m_state.currentSheet,
            Options(), SelectedWatermark(Options()), &m_pageCache);
  DrawOutlineAndShadow(hdc, sheet);
  // A grey band along the top and left edges sets the sheet off the window's edge.
  FillWithSystemColour(hdc, RECT{0, 0, sheet.cx, kShadowWidth}, COLOR_BTNSHADOW);
  FillWithSystemColour(hdc, RECT{0, 0, kShadowWidth, sheet.cy}, COLOR_BTNSHADOW);
  if (!IsRectEmpty(&m_state.selectionRect)) DrawSelectionOutline(hdc, m_state.selectionRect);
}

bool CFoliumView::OnPreparePrinting(CPrintInfo* info) {
  info->SetMinPage(1);
  info->SetMaxPage(static_cast<UINT>(std::max(1, m_state.SheetCount(PageCount()))));
  return DoPreparePrinting(info);
}

void CFoliumView::OnPrint(HDC hdc, CPrintInfo* info) {
  DrawSheet(hdc, info->m_rectDraw, Pages(), m_state.layout,
            static_cast<int>(info->m_nCurPage) - 1, Options(), SelectedWatermark(Options()));
}

TwoSidedPrinting CFoliumView::TwoSidedRequest() const {
  return FoliumApp().TwoSidedChoice(m_state.layout.booklet,
                                    IsLandscapeLayout(m_state.layout.pagesPerSheet));
}

SIZE CFoliumView::PreviewPaperSize() const {
  const CFoliumApp& app = FoliumApp();
  return SIZE{app.m_nSheetWidth, app.m_nSheetHeight};
}

LRESULT CFoliumView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      // Everything the sheet does not cover is the grey background.
      PaintBuffered(COLOR_BTNSHADOW);
      return 0;
    case WM_ERASEBKGND:
      // The paint fills every pixel itself.
      return TRUE;
    case WM_MOUSEWHEEL:
      if (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL) {
        OnMouseWheel(wParam, lParam);
        return 0;
      }
      break;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(lParam);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, lParam);
      break;
    case WM_LBUTTONUP:
      OnLeftButtonUp(lParam);
      return 0;
    case WM_CAPTURECHANGED:
      // Capture taken away (a box popping up, Alt+Tab): the drag ends without a move.
      m_pressedPage = -1;
      m_dragging = false;
      break;
    case WM_RBUTTONUP:
      OnRightButtonUp(lParam);
      return 0;
  }
  return CScrollView::WindowProc(message, wParam, lParam);
}

void CFoliumView::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
  (void)lParam;
  // Ctrl+wheel zooms, away from the user out, through the zoom commands and their rules.
  const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
  if (delta > 0) {
    OnZoomIn();
  } else if (delta < 0) {
    OnZoomOut();
  }
}

void CFoliumView::HitTestPage(POINT client) {
  RECT previous;
  if (!m_state.HitTestPage(ClientToLogical(client), ZoomedSheet(), PageCount(), previous))
    return;
  InvalidateHighlight(previous);
  InvalidateHighlight(m_state.selectionRect);
}

void CFoliumView::InvalidateHighlight(RECT cell) {
  if (IsRectEmpty(&cell)) return;
  InflateRect(&cell, kHighlightMargin, kHighlightMargin);
  const POINT scroll = GetScrollPosition();
  OffsetRect(&cell, -scroll.x, -scroll.y);
  InvalidateRect(m_hWnd, &cell, FALSE);
}

void CFoliumView::OnLeftButtonDown(LPARAM lParam) {
  const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  HitTestPage(point);
  m_pressedPage = m_state.SelectedListPage(PageCount());
  m_pressPoint = point;
  m_dragging = false;
  if (m_pressedPage >= 0) SetCapture(m_hWnd);
}

void CFoliumView::OnMouseMove(WPARAM wParam, LPARAM lParam) {
  if (m_pressedPage < 0 || !(wParam & MK_LBUTTON)) return;
  const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (!m_dragging && std::abs(point.x - m_pressPoint.x) <= GetSystemMetrics(SM_CXDRAG) &&
      std::abs(point.y - m_pressPoint.y) <= GetSystemMetrics(SM_CYDRAG))
    return;
  m_dragging = true;
  SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
}

void CFoliumView::OnLeftButtonUp(LPARAM lParam) {
  const int dragged = m_dragging ? m_pressedPage : -1;
  m_pressedPage = -1;
  m_dragging = false;
  if (GetCapture() == m_hWnd) ReleaseCapture();
  const int pageCount = PageCount();
  if (dragged < 0 || dragged >= pageCount || !m_state.IsShowingSheet(pageCount)) return;
  const SIZE sheet = ZoomedSheet();
  const RECT sheetRect = {0, 0, sheet.cx, sheet.cy};
  SheetHit hit;
  if (!HitTestSheet(m_state.layout, m_state.currentSheet, pageCount, sheetRect,
                    ClientToLogical(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}), hit))
    return;
  // An empty cell past the job's end takes the page to the end.
  MoveSelectedPageFrom(dragged, std::min(hit.page, pageCount - 1));
}

void CFoliumView::OnRightButtonUp(LPARAM lParam) {
  HitTestPage(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  if (m_state.SelectedListPage(PageCount()) < 0) return;
  HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PAGE_MENU));
  if (!menu) {
    MessageBeep(0);
    return;
  }
  POINT cursor;
  GetCursorPos(&cursor);
  // The chosen command runs before this click ends, on the page the menu was opened for:
  // a job handed over while the menu was open is shown only afterwards. The frame owns the
  // menu so that the commands' update rules grey what would do nothing, as in the menu bar.
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      GetSubMenu(menu, 0), TPM_RIGHTBUTTON | TPM_RETURNCMD, cursor.x + 1, cursor.y + 1, 0,
      GetParentFrame()->m_hWnd, nullptr));
  DestroyMenu(menu);
  if (command) SendMessage(WM_COMMAND, command, 0);
}

bool CFoliumView::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<CFoliumView> kCommands[] = {
      {ID_LAYOUT_1, &CFoliumView::OnLayout1, &CFoliumView::OnUpdateLayout1},
      {ID_LAYOUT_2, &CFoliumView::OnLayout2, &CFoliumView::OnUpdateLayout2},
      {ID_LAYOUT_4, &CFoliumView::OnLayout4, &CFoliumView::OnUpdateLayout4},
      {ID_LAYOUT_6, &CFoliumView::OnLayout6, &CFoliumView::OnUpdateLayout6},
      {ID_LAYOUT_8, &CFoliumView::OnLayout8, &CFoliumView::OnUpdateLayout8},
      {ID_LAYOUT_16, &CFoliumView::OnLayout16, &CFoliumView::OnUpdateLayout16},
      {ID_ORDER_DOWN, &CFoliumView::OnOrderDown, &CFoliumView::OnUpdateOrderDown},
      {ID_REPEAT_PAGES, &CFoliumView::OnRepeatPages, &CFoliumView::OnUpdateRepeatPages},
      {ID_GOTO_PAGE, &CFoliumView::OnGotoPage, nullptr},
      {ID_FIRST_PAGE, &CFoliumView::OnFirstPage, &CFoliumView::OnUpdateGoBack},
      {ID_PREV_PAGE, &CFoliumView::OnPrevPage, &CFoliumView::OnUpdateGoBack},
      {ID_NEXT_PAGE, &CFoliumView::OnNextPage, &CFoliumView::OnUpdateGoForward},
      {ID_LAST_PAGE, &CFoliumView::OnLastPage, &CFoliumView::OnUpdateGoForward},
      {ID_ZOOM_OUT, &CFoliumView::OnZoomOut, &CFoliumView::OnUpdateZoomOut},
      {ID_ZOOM_NORMAL, &CFoliumView::OnZoomNormal, &CFoliumView::OnUpdateZoomNormal},
      {ID_ZOOM_IN, &CFoliumView::OnZoomIn, &CFoliumView::OnUpdateZoomIn},
      {ID_PAGE_DELETE, &CFoliumView::OnPageDelete, nullptr},
      {ID_PAGE_INSERT_BEFORE, &CFoliumView::OnPageInsertBefore, nullptr},
      {ID_PAGE_INSERT_AFTER, &CFoliumView::OnPageInsertAfter, nullptr},
      {ID_PAGE_COPY, &CFoliumView::OnPageCopy, nullptr},
      {ID_FILE_SAVE_SHEETS, &CFoliumView::OnFileSaveSheets, &CFoliumView::OnUpdateFileSaveSheets},
      {ID_LAYOUT_BOOKLET, &CFoliumView::OnLayoutBooklet, &CFoliumView::OnUpdateLayoutBooklet},
      {ID_PAGE_MOVE_EARLIER, &CFoliumView::OnPageMoveEarlier, &CFoliumView::OnUpdatePageMoveEarlier},
      {ID_PAGE_MOVE_LATER, &CFoliumView::OnPageMoveLater, &CFoliumView::OnUpdatePageMoveLater},
      {ID_PAGE_TURN_CLOCKWISE, &CFoliumView::OnPageTurnClockwise, nullptr},
      {ID_PAGE_TURN_ANTICLOCKWISE, &CFoliumView::OnPageTurnAnticlockwise, nullptr},
      {ID_VIEW_TRIM_MARGINS, &CFoliumView::OnTrimMargins, &CFoliumView::OnUpdateTrimMargins},
      {ID_LAYOUT_READABLE, &CFoliumView::OnLayoutReadable, nullptr},
      {ID_VIEW_LEAVE_OUT_BLANK, &CFoliumView::OnLeaveOutBlank, &CFoliumView::OnUpdateLeaveOutBlank},
      {ID_INDICATOR_SMALLEST_TEXT, nullptr, &CFoliumView::OnUpdateSmallestText},
  };
  return DispatchCommand(this, kCommands, id, ui) || CScrollView::OnCmdMsg(id, ui);
}

void CFoliumView::ChoosePagesPerSheet(int pagesPerSheet) {
  m_state.ChoosePagesPerSheet(pagesPerSheet, PageCount());
  TurnPaperFor(IsLandscapeLayout(pagesPerSheet));
}

void CFoliumView::TurnPaperFor(bool landscape) {
  AppPrinterSettings().SetPrinterOrientation(landscape);
  CFoliumApp& app = FoliumApp();
  if (app.UpdateSheetSize()) return;
  // Without a printer the sheet keeps its size but still turns with the grid: two pages
  // side by side on upright paper would be squeezed into tall, narrow cells.
  const SIZE sheet = SheetTurnedTo(SIZE{app.m_nSheetWidth, app.m_nSheetHeight}, landscape);
  app.m_nSheetWidth = sheet.cx;
  app.m_nSheetHeight = sheet.cy;
  UpdateDocument();
}

void CFoliumView::OnUpdateLayout(CCmdUI* ui, int pagesPerSheet) {
  ui->Enable(true);
  ui->SetCheck(m_state.layout.pagesPerSheet == pagesPerSheet && !m_state.layout.booklet);
}

void CFoliumView::OnLayoutBooklet() {
  m_state.ChooseBooklet(PageCount());
  TurnPaperFor(true);
}

void CFoliumView::OnUpdateLayoutBooklet(CCmdUI* ui) {
  ui->Enable(true);
  ui->SetCheck(m_state.layout.booklet);
}

void CFoliumView::OnTrimMargins() {
  FoliumApp().FlipProfileSwitch(kTrimMarginsEntry);
  m_state.layout.trimMargins = FoliumApp().ProfileSwitch(kTrimMarginsEntry);
  UpdateDocument();
}

void CFoliumView::OnUpdateTrimMargins(CCmdUI* ui) {
  ui->Enable(true);
  ui->SetCheck(m_state.layout.trimMargins);
}

void CFoliumView::OnLeaveOutBlank() {
  FoliumApp().FlipProfileSwitch(kLeaveOutBlankEntry);
  // The sheets change under the selection: back to the first, as a new layout does.
  m_state.GoToSheet(0, PageCount());
  UpdateDocument();
  if (!FoliumApp().ProfileSwitch(kLeaveOutBlankEntry)) GetParentFrame()->SetMessageText(nullptr);
}

void CFoliumView::OnUpdateLeaveOutBlank(CCmdUI* ui) {
  ui->Enable(true);
  ui->SetCheck(FoliumApp().ProfileSwitch(kLeaveOutBlankEntry));
}

void CFoliumView::OnLayoutReadable() {
  const CFoliumApp& app = FoliumApp();
  const SIZE sheet = {app.m_nSheetWidth, app.m_nSheetHeight};
  std::vector<LayoutCells> layouts;
  for (int choice : kPagesPerSheetChoices) {
    const SIZE paper = SheetTurnedTo(sheet, IsLandscapeLayout(choice));
    const SheetGrid grid = GridOf(choice);
    layouts.push_back({choice, static_cast<double>(paper.cx) / grid.columns,
                       static_cast<double>(paper.cy) / grid.rows});
  }
  std::vector<PageMeasure> measures;
  std::vector<int> turns;
  for (const PageEntry& entry : Pages()) {
    measures.push_back(MeasureOfPage(entry.hMetaFile));
    turns.push_back(entry.quarterTurns);
  }
  const InkBox trim = m_state.layout.trimMargins ? JobTrimOf(Pages()) : InkBox();
  const ReadableChoice choice = ChooseReadableLayout(layouts, measures, turns, trim);
  ChoosePagesPerSheet(choice.pagesPerSheet);
  const char* format = !choice.readable              ? kUnreadableChoiceFormat
                       : choice.pagesPerSheet == 1 ? kReadableOnePageText
                                                   : kReadableChoiceFormat;
  const std::string said = FormatText(format, choice.pagesPerSheet);
  GetParentFrame()->SetMessageText(said.c_str());
}

void CFoliumView::OnUpdateSmallestText(CCmdUI* ui) {
  const CFoliumApp& app = FoliumApp();
  const double points =
      m_state.IsShowingSheet(PageCount())
          ? SheetSmallestText(Pages(), m_state.layout, m_state.currentSheet,
                              SIZE{app.m_nSheetWidth, app.m_nSheetHeight})
          : 0;
  ui->Enable(points > 0);
  ui->SetTip(points > 0 && !IsReadable(points) ? kSmallTextTip : "");
  if (points <= 0) return;
  ui->SetText(FormatText(IsReadable(points) ? kSmallestTextFormat : kSmallTextFormat, points).c_str());
}

void CFoliumView::OnOrderDown() {
  if (!IsOrderingEnabled(m_state.layout.pagesPerSheet)) return;
  m_state.ToggleOrderDown();
  UpdateDocument();
}

void CFoliumView::OnUpdateOrderDown(CCmdUI* ui) {
  ui->Enable(IsOrderingEnabled(m_state.layout.pagesPerSheet));
  ui->SetCheck(m_state.layout.orderDown);
}

void CFoliumView::OnRepeatPages() {
  if (!m_state.CanRepeatPages()) return;
  m_state.ToggleRepeatPages(PageCount());
  UpdateDocument();
}

void CFoliumView::OnUpdateRepeatPages(CCmdUI* ui) {
  ui->Enable(m_state.CanRepeatPages());
  ui->SetCheck(m_state.layout.repeatPages);
}

void CFoliumView::OnGotoPage() {
  const int sheetCount = m_state.SheetCount(PageCount());
  if (sheetCount <= 0) return;
  CGotoPageDlg dialog;
  dialog.infoText = GoToInfoText(m_state.currentSheet, sheetCount);
  if (dialog.DoModal() != IDOK) return;
  const int sheet = SheetOfGoToNumber(dialog.pageNumber, sheetCount);
  if (sheet < 0) return;
  m_state.GoToSheet(sheet, PageCount());
  UpdateDocument();
}

void CFoliumView::OnFirstPage() {
  if (m_state.GoFirst(PageCount())) UpdateDocument();
}

void CFoliumView::OnPrevPage() {
  if (m_state.GoPrevious(PageCount())) UpdateDocument();
}

void CFoliumView::OnNextPage() {
  if (m_state.GoNext(PageCount())) UpdateDocument();
}

void CFoliumView::OnLastPage() {
  if (m_state.GoLast(PageCount())) UpdateDocument();
}

void CFoliumView::OnUpdateGoBack(CCmdUI* ui) { ui->Enable(CanGoBack(m_state.currentSheet)); }

void CFoliumView::OnUpdateGoForward(CCmdUI* ui) {
  ui->Enable(CanGoForward(m_state.currentSheet, m_state.SheetCount(PageCount())));
}

void CFoliumView::OnZoomOut() {
  if (m_state.ZoomOut()) UpdateDocument();
}

void CFoliumView::OnZoomNormal() {
  if (m_state.ZoomNormal()) UpdateDocument();
}

void CFoliumView::OnZoomIn() {
  if (m_state.ZoomIn()) UpdateDocument();
}

void CFoliumView::OnUpdateZoomOut(CCmdUI* ui) { ui->Enable(CanZoomOut(m_state.zoomIndex)); }

void CFoliumView::OnUpdateZoomNormal(CCmdUI* ui) {
  ui->Enable(CanZoomNormal(m_state.zoomIndex));
}

void CFoliumView::OnUpdateZoomIn(CCmdUI* ui) { ui->Enable(CanZoomIn(m_state.zoomIndex)); }

void CFoliumView::OnPageDelete() {
  const int page = m_state.SelectedListPage(PageCount());
  if (page < 0) return;
  if (AfxMessageBox(kDeletePageQuestion, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  FoliumApp().DeletePage(m_shown.StoreIndex(page));
  m_state.ClearSelection();
  UpdateDocument();
}

void CFoliumView::OnPageInsertBefore() {
  const int page = m_state.SelectedListPage(PageCount());
  if (page < 0) return;
  FoliumApp().InsertBlankPage(m_shown.StoreIndex(page));
  UpdateDocument();
}

void CFoliumView::OnPageInsertAfter() {
  const int page = m_state.SelectedListPage(PageCount());
  if (page < 0) return;
  FoliumApp().InsertBlankPage(m_shown.StoreIndex(page) + 1);
  UpdateDocument();
}

void CFoliumView::OnPageCopy() {
  const int page = m_state.SelectedListPage(PageCount());
  if (page < 0) return;
  CopyPageToClipboard(Pages()[static_cast<size_t>(page)]);
}

void CFoliumView::MoveSelectedPageFrom(int from, int to) {
  if (!FoliumApp().MovePage(m_shown.StoreIndex(from), m_shown.StoreIndex(to))) return;
  m_state.SelectPage(to, ZoomedSheet(), PageCount());
  UpdateDocument();
}

void CFoliumView::OnPageMoveEarlier() {
  const int page = m_state.SelectedListPage(PageCount());
  if (page > 0) MoveSelectedPageFrom(page, page - 1);
}

void CFoliumView::OnPageMoveLater() {
  const int page = m_state.SelectedListPage(PageCount());
  if (page >= 0) MoveSelectedPageFrom(page, page + 1);
}

void CFoliumView::OnUpdatePageMoveEarlier(CCmdUI* ui) { ui->Enable(m_state.SelectedListPage(PageCount()) > 0); }

void CFoliumView::OnUpdatePageMoveLater(CCmdUI* ui) {
  const int page = m_state.SelectedListPage(PageCount());
  ui->Enable(page >= 0 && page + 1 < PageCount());
}

void CFoliumView::OnPageTurnClockwise() {
  const int page = m_state.SelectedListPage(PageCount());
  if (page < 0) return;
  FoliumApp().TurnPage(m_shown.StoreIndex(page), true);
  UpdateDocument();
}

void CFoliumView::OnPageTurnAnticlockwise() {
  const int page = m_state.SelectedListPage(PageCount());
  if (page < 0) return;
  FoliumApp().TurnPage(m_shown.StoreIndex(page), false);
  UpdateDocument();
}
