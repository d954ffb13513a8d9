#include "main_frame.h"

#include <commctrl.h>

#include "app/app_names.h"
#include "app/folium_app.h"
#include "document.h"
#include "operation_scope.h"
#include "panel_placement.h"
#include "resource.h"
#include "view.h"

namespace {

constexpr UINT kIndicators[] = {
    0,  // the message pane
    ID_INDICATOR_SMALLEST_TEXT,
    ID_INDICATOR_CAP,
    ID_INDICATOR_NUM,
    ID_INDICATOR_SCRL,
};

constexpr char kOptionsCaption[] = "Option Settings";

}  // namespace

std::unique_ptr<CFrameWnd> CMainFrame::Make() { return std::make_unique<CMainFrame>(); }

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
  if (!CFrameWnd::PreCreateWindow(cs)) return false;
  cs.style = WS_OVERLAPPEDWINDOW | WS_MAXIMIZE;
  return true;
}

int CMainFrame::OnCreate(CREATESTRUCTA* cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;
  if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                             WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                 CBRS_FLYBY | CBRS_SIZE_DYNAMIC,
                             IDW_TOOLBAR) ||
      !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
    return -1;
  if (!m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, IDW_STATUS_BAR) ||
      !m_wndStatusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]))
    return -1;
  m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
  EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(&m_wndToolBar);
  SetMessageText(nullptr);
  // The panel's creation is not checked: without it the frame opens all the same.
  m_wndOptions.Create(this);
  if (m_wndOptions.m_hWnd) {
    SetWindowTextA(m_wndOptions.m_hWnd, kOptionsCaption);
    PlaceOptionsPanel();
  }
  return 0;
}

void CMainFrame::PlaceOptionsPanel() {
  RECT panel;
  GetWindowRect(m_wndOptions.m_hWnd, &panel);
  const POINT at = OptionsPanelPosition(GetSystemMetrics(SM_CXSCREEN), panel.right - panel.left);
  SetWindowPos(m_wndOptions.m_hWnd, nullptr, at.x, at.y, 0, 0,
               SWP_NOSIZE | SWP_SHOWWINDOW);
}

bool CMainFrame::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<CMainFrame> kCommands[] = {
      {ID_VIEW_OPTIONS, &CMainFrame::OnToggleOptions, &CMainFrame::OnUpdateToggleOptions},
  };
  return DispatchCommand(this, kCommands, id, ui) || CFrameWnd::OnCmdMsg(id, ui);
}

LRESULT CMainFrame::OnReloadJob() {
  // The second start waits for this message: its job is secured now, and shown when
  // whatever the user is doing has ended, so that finishes on the pages it started with.
  // Securing is an operation too: a later hand-over inside its message box waits for it.
  COperationScope securing;
  FoliumApp().SecureJob();
  RunWhenOperationEnds(ShowSecuredJob);
  return 0;
}

void CMainFrame::ShowSecuredJob() {
  auto* frame = dynamic_cast<CMainFrame*>(AfxGetMainWnd());
  const bool gathering = FoliumApp().GathersJobs();
  if (!frame || !FoliumApp().AdoptSecuredJob(gathering)) return;
  // Each new job starts at one page per sheet, on the first sheet; a gathered job joins
  // the arrangement the user has made.
  CView* view = frame->GetActiveView();
  if (view && !gathering) view->SendMessage(WM_COMMAND, ID_LAYOUT_1, 0);
  if (CDocument* document = frame->GetActiveDocument()) document->UpdateAllViews(nullptr);
  BringWindowToTop(frame->m_hWnd);
  SetActiveWindow(frame->m_hWnd);
  FoliumApp().ReportUnwrittenPages();
}

void CMainFrame::OnToggleOptions() {
  m_wndOptions.ShowWindow(m_wndOptions.IsWindowVisible() ? SW_HIDE : SW_SHOW);
}

void CMainFrame::OnUpdateToggleOptions(CCmdUI* ui) {
  ui->Enable(true);
  ui->SetCheck(m_wndOptions.IsWindowVisible());
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_RELOADJOB) return OnReloadJob();
  return CFrameWnd::WindowProc(message, wParam, lParam);
}
