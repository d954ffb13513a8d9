#include "preview_view.h"

#include <windowsx.h>

#include <algorithm>

#include "frame_wnd.h"
#include "framework_ids.h"
#include "preview_texts.h"
#include "printer_settings.h"

namespace {

constexpr char kPreviewClass[] = "QuillorPreview";
// Enough for the pages on show and the next ones a page turn shows.
constexpr size_t kKeptPages = 4;

bool SameSize(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

void PostFrameCommand(CFrameWnd* frame, UINT id) {
  if (frame && frame->m_hWnd) PostMessageA(frame->m_hWnd, WM_COMMAND, id, 0);
}

}  // namespace

CPreviewView::CPreviewView(CView* printView) : m_printView(printView) {
  m_info.m_bPreview = true;
}

bool CPreviewView::PreparePages() {
  CPrintInfo info;
  info.m_bPreview = true;
  if (!m_printView || !m_printView->OnPreparePrinting(&info)) return false;
  info.m_nCurPage = ClampCurrentPage(m_info.m_nCurPage, info.GetMinPage(), info.GetMaxPage(),
                                     m_twoPages);
  m_info = info;
  ReadPrinter();
  return true;
}

void CPreviewView::ReadPrinter() {
  CCreatedDC printer(AppPrinterSettings().CreatePrinterDC());
  m_printer = printer ? ImitatePrinter(printer.get())
                      : ImitatePaper(m_printView->PreviewPaperSize());
  m_info.m_rectDraw = RECT{0, 0, m_printer.page.printable.cx, m_printer.page.printable.cy};
}

bool CPreviewView::Create(CFrameWnd* frame) {
  return CView::Create(frame, m_printView->GetDocument());
}

bool CPreviewView::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.lpszClass = RegisterFrameworkClass(kPreviewClass, CS_HREDRAW | CS_VREDRAW,
                                        GetSysColorBrush(COLOR_APPWORKSPACE), nullptr);
  // The frame shows it once it has laid it out.
  cs.style &= ~WS_VISIBLE;
  cs.hMenu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_PREVIEW_VIEW));
  return cs.lpszClass != nullptr;
}

void CPreviewView::OnUpdate(CView* sender, LPARAM hint) {
  (void)sender;
  (void)hint;
  // A new job or layout may have released the pages drawn so far.
  m_rendered.clear();
  PreparePages();
  ShowPages();
}

PreviewLayout CPreviewView::Layout() const {
  return LayOutPreview(ClientSize(), m_printer.page.paper,
                       PagesShown(m_info.m_nCurPage, m_info.GetMaxPage(), m_twoPages), m_zoom);
}

std::string CPreviewView::StatusText() const {
  return PreviewStatusText(m_info.m_nCurPage,
                           PagesShown(m_info.m_nCurPage, m_info.GetMaxPage(), m_twoPages));
}

void CPreviewView::FitScrollSizes() {
  SetScrollSizes(Layout().total);
  // Once more in the client area that the scroll bars just shown or hidden leave.
  SetScrollSizes(Layout().total);
}

void CPreviewView::ShowPages() {
  if (!m_hWnd) return;
  FitScrollSizes();
  if (CFrameWnd* frame = GetParentFrame()) frame->SetMessageText(nullptr);
  InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CPreviewView::SetZoom(PreviewZoom zoom, const POINT* click) {
  if (zoom == m_zoom) return;
  const PreviewLayout before = Layout();
  const POINT scroll = GetScrollPosition();
  m_zoom = zoom;
  m_rendered.clear();
  FitScrollSizes();
  const PreviewLayout after = Layout();
  ScrollToPosition(ScrollAfterZoom(before, scroll, click, after, ClientSize()));
  InvalidateRect(m_hWnd, nullptr, FALSE);
}

bool CPreviewView::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<CPreviewView> kCommands[] = {
      {AFX_ID_PREVIEW_NEXT, &CPreviewView::OnNextPage, &CPreviewView::OnUpdateNextPage},
      {AFX_ID_PREVIEW_PREV, &CPreviewView::OnPrevPage, &CPreviewView::OnUpdatePrevPage},
      {AFX_ID_PREVIEW_NUMPAGE, &CPreviewView::OnNumPage, &CPreviewView::OnUpdateNumPage},
      {AFX_ID_PREVIEW_ZOOMIN, &CPreviewView::OnZoomIn, &CPreviewView::OnUpdateZoomIn},
      {AFX_ID_PREVIEW_ZOOMOUT, &CPreviewView::OnZoomOut, &CPreviewView::OnUpdateZoomOut},
      {ID_FILE_PRINT_PREVIEW, nullptr, &CPreviewView::OnUpdateDisabled},
      // The toolbar stays hidden until the preview closes: it comes back as it was.
      {ID_VIEW_TOOLBAR, nullptr, &CPreviewView::OnUpdateDisabled},
  };
  // The rest goes on to the view being previewed, not to this view's printing.
  return DispatchCommand(this, kCommands, id, ui);
}

void CPreviewView::OnNextPage() {
  if (!CanShowNextPage(m_info.m_nCurPage, m_info.GetMaxPage(), m_twoPages)) return;
  ++m_info.m_nCurPage;
  ShowPages();
}

void CPreviewView::OnPrevPage() {
  if (!CanShowPrevPage(m_info.m_nCurPage, m_info.GetMinPage())) return;
  --m_info.m_nCurPage;
  ShowPages();
}

void CPreviewView::OnFirstPage() {
  if (m_info.m_nCurPage == m_info.GetMinPage()) return;
  m_info.m_nCurPage = m_info.GetMinPage();
  ShowPages();
}

void CPreviewView::OnLastPage() {
  const UINT last = ClampCurrentPage(m_info.GetMaxPage(), m_info.GetMinPage(),
                                     m_info.GetMaxPage(), m_twoPages);
  if (m_info.m_nCurPage == last) return;
  m_info.m_nCurPage = last;
  ShowPages();
}

void CPreviewView::OnNumPage() {
  if (!CanTogglePages(m_info.GetMinPage(), m_info.GetMaxPage(), m_twoPages)) return;
  m_twoPages = !m_twoPages;
  m_info.m_nCurPage = ClampCurrentPage(m_info.m_nCurPage, m_info.GetMinPage(),
                                       m_info.GetMaxPage(), m_twoPages);
  m_rendered.clear();
  ShowPages();
}

void CPreviewView::OnZoomIn() { SetZoom(ZoomedIn(m_zoom), nullptr); }

void CPreviewView::OnZoomOut() { SetZoom(ZoomedOut(m_zoom), nullptr); }

void CPreviewView::OnUpdateNextPage(CCmdUI* ui) {
  ui->Enable(CanShowNextPage(m_info.m_nCurPage, m_info.GetMaxPage(), m_twoPages));
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* ui) {
  ui->Enable(CanShowPrevPage(m_info.m_nCurPage, m_info.GetMinPage()));
}

void CPreviewView::OnUpdateNumPage(CCmdUI* ui) {
  ui->SetText(m_twoPages ? kPreviewOnePage : kPreviewTwoPage);
  ui->Enable(CanTogglePages(m_info.GetMinPage(), m_info.GetMaxPage(), m_twoPages));
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* ui) { ui->Enable(m_zoom != PreviewZoom::Closest); }

void CPreviewView::OnUpdateZoomOut(CCmdUI* ui) { ui->Enable(m_zoom != PreviewZoom::Whole); }

void CPreviewView::OnUpdateDisabled(CCmdUI* ui) { ui->Enable(false); }

bool CPreviewView::PreTranslateMessage(MSG* msg) {
  if (msg->hwnd != m_hWnd || msg->message != WM_KEYDOWN) return false;
  return OnKeyDown(static_cast<UINT>(msg->wParam));
}

bool CPreviewView::OnKeyDown(UINT key) {
  if (key == VK_ESCAPE) {
    PostFrameCommand(GetParentFrame(), AFX_ID_PREVIEW_CLOSE);
    return true;
  }
  if (m_zoom == PreviewZoom::Whole) {
    switch (key) {
      case VK_NEXT: case VK_DOWN: case VK_RIGHT: OnNextPage(); return true;
      case VK_PRIOR: case VK_UP: case VK_LEFT: OnPrevPage(); return true;
      case VK_HOME: OnFirstPage(); return true;
      case VK_END: OnLastPage(); return true;
      default: return false;
    }
  }
  switch (key) {
    case VK_NEXT: SendMessage(WM_VSCROLL, SB_PAGEDOWN); return true;
    case VK_PRIOR: SendMessage(WM_VSCROLL, SB_PAGEUP); return true;
    case VK_DOWN: SendMessage(WM_VSCROLL, SB_LINEDOWN); return true;
    case VK_UP: SendMessage(WM_VSCROLL, SB_LINEUP); return true;
    case VK_RIGHT: SendMessage(WM_HSCROLL, SB_LINEDOWN); return true;
    case VK_LEFT: SendMessage(WM_HSCROLL, SB_LINEUP); return true;
    case VK_HOME: SendMessage(WM_VSCROLL, SB_TOP); return true;
    case VK_END: SendMessage(WM_VSCROLL, SB_BOTTOM); return true;
    default: return false;
  }
}

HBITMAP CPreviewView::PageBitmap(UINT page, SIZE size) {
  for (auto it = m_rendered.begin(); it != m_rendered.end(); ++it) {
    if (it->page != page || !SameSize(it->size, size)) continue;
    // The last used goes last, so that the pages on show are the last to be dropped.
    std::rotate(it, it + 1, m_rendered.end());
    return m_rendered.back().bitmap->get();
  }
  auto bitmap = RenderPrintedPage(size, m_printer, [this, page](HDC dc) {
    CPrintInfo info = m_info;
    info.m_nCurPage = page;
    m_printView->OnPrepareDC(dc, &info);
    m_printView->OnPrint(dc, &info);
  });
  if (!bitmap) return nullptr;
  if (m_rendered.size() >= kKeptPages) m_rendered.erase(m_rendered.begin());
  m_rendered.push_back(RenderedPage{page, size, std::move(bitmap)});
  return m_rendered.back().bitmap->get();
}

SIZE CPreviewView::PaperSize(const PreviewLayout& layout) {
  return SIZE{layout.papers[0].right - layout.papers[0].left,
              layout.papers[0].bottom - layout.papers[0].top};
}

void CPreviewView::RenderAhead() {
  if (!m_hWnd || !CanShowNextPage(m_info.m_nCurPage, m_info.GetMaxPage(), m_twoPages)) return;
  const PreviewLayout layout = Layout();
  PageBitmap(m_info.m_nCurPage + static_cast<UINT>(layout.count), PaperSize(layout));
}

void CPreviewView::DrawPaper(HDC hdc, const RECT& paper, UINT page) {
  RECT shadow = paper;
  OffsetRect(&shadow, kPreviewShadow, kPreviewShadow);
  FillRect(hdc, &shadow, GetSysColorBrush(COLOR_3DDKSHADOW));
  const SIZE size = {paper.right - paper.left, paper.bottom - paper.top};
  if (HBITMAP bitmap = PageBitmap(page, size)) {
    CMemoryDC source(hdc);
    CScopedSelect selected(source.get(), bitmap);
    BitBlt(hdc, paper.left, paper.top, size.cx, size.cy, source.get(), 0, 0, SRCCOPY);
  } else {
    FillRect(hdc, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  const int saved = SaveDC(hdc);
  SelectObject(hdc, GetStockObject(BLACK_PEN));
  SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
  Rectangle(hdc, paper.left - 1, paper.top - 1, paper.right + 1, paper.bottom + 1);
  RestoreDC(hdc, saved);
}

void CPreviewView::OnDraw(HDC hdc) {
  const PreviewLayout layout = Layout();
  for (int i = 0; i < layout.count; ++i) {
    DrawPaper(hdc, layout.papers[i], m_info.m_nCurPage + static_cast<UINT>(i));
  }
}

LRESULT CPreviewView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintBuffered(COLOR_APPWORKSPACE);
      return 0;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_SIZE:
      FitScrollSizes();
      break;
    case WM_KEYDOWN:
      if (OnKeyDown(static_cast<UINT>(wParam))) return 0;
      break;
    case WM_LBUTTONDOWN: {
      // A click goes one zoom closer, centred on the point; at the closest, back to whole.
      const POINT click = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      SetZoom(m_zoom == PreviewZoom::Closest ? PreviewZoom::Whole : ZoomedIn(m_zoom), &click);
      return 0;
    }
  }
  return CScrollView::WindowProc(message, wParam, lParam);
}
