#include "view.h"

#include "document.h"
#include "frame_wnd.h"
#include "framework_ids.h"
#include "gdi_holders.h"

namespace {

constexpr char kViewClass[] = "QuillorView";

}  // namespace

CView::~CView() {
  if (m_pDocument) m_pDocument->RemoveView(this);
}

bool CView::Create(CFrameWnd* frame, CDocument* document) {
  CREATESTRUCTA cs = {};
  cs.dwExStyle = WS_EX_CLIENTEDGE;
  cs.lpszName = "";
  cs.style = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL;
  cs.hwndParent = frame->m_hWnd;
  cs.hMenu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_PANE_FIRST));
  if (!PreCreateWindow(cs)) return false;
  m_pFrame = frame;
  m_pDocument = document;
  if (!CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                cs.hwndParent, cs.hMenu))
    return false;
  if (document) document->AddView(this);
  return true;
}

bool CView::PreCreateWindow(CREATESTRUCTA& cs) {
  if (!cs.lpszClass) {
    cs.lpszClass = RegisterFrameworkClass(kViewClass, CS_DBLCLKS,
                                          reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
  }
  return cs.lpszClass != nullptr;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0); }

void CView::OnUpdate(CView* sender, LPARAM hint) {
  (void)sender;
  (void)hint;
  if (m_hWnd) InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CView::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<CView> kCommands[] = {
      {ID_FILE_PRINT, &CView::OnFilePrint, nullptr},
      {ID_FILE_PRINT_DIRECT, &CView::OnFilePrintDirect, nullptr},
      {ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview, &CView::OnUpdateFilePrintPreview},
  };
  return DispatchCommand(this, kCommands, id, ui) ||
         (m_pDocument && m_pDocument->OnCmdMsg(id, ui));
}

void CView::OnPrepareDC(HDC hdc, CPrintInfo* info) {
  (void)hdc;
  (void)info;
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      CPaintDC dc(m_hWnd);
      OnPrepareDC(dc.get(), nullptr);
      OnDraw(dc.get());
      return 0;
    }
    case WM_COMMAND:
      // Commands sent to the view itself take the view's route: view, then document.
      if (HIWORD(wParam) <= 1 && OnCmdMsg(LOWORD(wParam), nullptr)) return 0;
      break;
    case WM_MOUSEACTIVATE:
      // A click into the view gives it the keyboard focus.
      SetFocus(m_hWnd);
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
