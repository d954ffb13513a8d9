#include "frame_wnd.h"

#include <commctrl.h>

#include <cstring>

#include "ansi_code_page.h"
#include "document.h"
#include "framework_ids.h"
#include "resource_strings.h"
#include "status_bar.h"
#include "tool_bar.h"
#include "view.h"
#include "win_app.h"

namespace {

constexpr char kFrameClass[] = "QuillorFrame";
constexpr char kTitleSeparator[] = " - ";

bool KeyToggled(int key) { return (GetKeyState(key) & 1) != 0; }

// Shown by its own style, whether or not its parent is on screen yet.
bool HasVisibleStyle(HWND hwnd) { return (GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0; }

void MoveToRect(HWND hwnd, const RECT& rect) {
  MoveWindow(hwnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

}  // namespace

CFrameWnd::~CFrameWnd() {
  if (m_accelerators) DestroyAcceleratorTable(m_accelerators);
  if (m_icon) DestroyIcon(m_icon);
}

bool CFrameWnd::LoadFrame(UINT resourceId, CDocument* document, ViewFactory makeView) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  m_strTitle = ResourceStringPart(LoadResourceString(resourceId), 0);
  m_document = document;
  m_makeView = makeView;
  m_icon = LoadIconA(instance, MAKEINTRESOURCEA(resourceId));
  m_accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
  const char* cls = RegisterFrameworkClass(kFrameClass, CS_DBLCLKS, nullptr, m_icon);
  if (!cls) return false;
  HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));

  CREATESTRUCTA cs = {};
  cs.lpszClass = cls;
  cs.lpszName = m_strTitle.c_str();
  cs.style = WS_OVERLAPPEDWINDOW;
  cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
  cs.hMenu = menu;
  cs.hInstance = instance;
  if (!PreCreateWindow(cs)) {
    if (menu) DestroyMenu(menu);
    return false;
  }
  // A window whose creation failed has destroyed its menu with it.
  return CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                  cs.hwndParent, cs.hMenu);
}

void CFrameWnd::InitialUpdateFrame() {
  if (m_view) m_view->OnInitialUpdate();
  OnUpdateFrameTitle();
}

bool CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) { return cs.lpszClass != nullptr; }

int CFrameWnd::OnCreate(CREATESTRUCTA* cs) {
  (void)cs;
  if (!m_makeView) return 0;
  m_view = m_makeView();
  if (!m_view || !m_view->Create(this, m_document)) return -1;
  return 0;
}

void CFrameWnd::OnUpdateFrameTitle() {
  if (!m_hWnd) return;
  std::string caption = m_strTitle;
  if (m_document && !m_document->GetTitle().empty())
    caption = m_document->GetTitle() + kTitleSeparator + m_strTitle;
  SetWindowTextA(m_hWnd, caption.c_str());
}

void CFrameWnd::SetMessageText(const char* text) {
  if (CStatusBar* bar = FindStatusBar()) {
    const std::string idle =
        m_preview ? m_preview->StatusText() : LoadResourceString(IDS_IDLE_MESSAGE);
    bar->SetPaneText(0, text ? text : idle.c_str());
  }
}

void CFrameWnd::ShowCommandPrompt(UINT id) {
  const std::string prompt = ResourceStringPart(LoadResourceString(id), 0);
  SetMessageText(prompt.c_str());
}

CToolBar* CFrameWnd::FindToolBar() const {
  return dynamic_cast<CToolBar*>(FromHandle(m_hWndToolBar));
}

CStatusBar* CFrameWnd::FindStatusBar() const {
  return dynamic_cast<CStatusBar*>(FromHandle(GetDlgItem(m_hWnd, IDW_STATUS_BAR)));
}

void CFrameWnd::AddControlBar(CToolBar* bar) { m_hWndToolBar = bar->m_hWnd; }

int CFrameWnd::StatusBarHeight() const {
  CStatusBar* statusBar = FindStatusBar();
  if (!statusBar || !HasVisibleStyle(statusBar->m_hWnd)) return 0;
  RECT bar;
  GetWindowRect(statusBar->m_hWnd, &bar);
  return bar.bottom - bar.top;
}

void CFrameWnd::RecalcLayout() {
  if (!m_hWnd) return;
  if (CStatusBar* statusBar = FindStatusBar(); statusBar && HasVisibleStyle(statusBar->m_hWnd)) {
    // The status bar puts itself at the bottom.
    statusBar->SendMessage(WM_SIZE);
    statusBar->RecalcPanes();
  }
  RECT client;
  GetClientRect(m_hWnd, &client);
  CToolBar* toolBar = FindToolBar();
  const bool docked = toolBar && !toolBar->IsFloating() && toolBar->IsShown();
  const DockSide side = toolBar ? toolBar->GetDockSide() : DockSide::Floating;
  const FrameLayout layout =
      LayOutFrame(client, StatusBarHeight(), side, docked ? toolBar->DockedThickness(side) : 0);
  if (docked) MoveToRect(toolBar->m_hWnd, layout.bar);
  if (m_view && m_view->m_hWnd) MoveToRect(m_view->m_hWnd, layout.view);
  if (m_preview && m_previewBar) {
    const FrameLayout preview =
        LayOutFrame(client, StatusBarHeight(), DockSide::Top, m_previewBar->Height());
    MoveToRect(m_previewBar->m_hWnd, preview.bar);
    MoveToRect(m_preview->m_hWnd, preview.view);
  }
}

void CFrameWnd::BeginPreview(std::unique_ptr<CPreviewView> preview) {
  auto bar = std::make_unique<CPreviewBar>();
  if (m_preview || !preview || !bar->Create(this)) return;
  m_previewBar = std::move(bar);
  m_preview = std::move(preview);
  CToolBar* toolBar = FindToolBar();
  m_toolBarShownBeforePreview = toolBar && toolBar->IsShown();
  if (toolBar) toolBar->Show(false);
  if (m_view) m_view->ShowWindow(SW_HIDE);
  RecalcLayout();
  m_previewBar->ShowWindow(SW_SHOW);
  m_preview->ShowWindow(SW_SHOW);
  m_preview->OnInitialUpdate();
  m_previewBar->UpdateButtons(this);
  SetFocus(m_preview->m_hWnd);
}

void CFrameWnd::EndPreview() {
  if (!m_preview) return;
  m_preview.reset();
  m_previewBar.reset();
  if (m_view) m_view->ShowWindow(SW_SHOW);
  if (CToolBar* toolBar = FindToolBar()) toolBar->Show(m_toolBarShownBeforePreview);
  RecalcLayout();
  SetMessageText(nullptr);
  if (m_view) SetFocus(m_view->m_hWnd);
}

RECT CFrameWnd::GetDockingArea() const {
  RECT client;
  GetClientRect(m_hWnd, &client);
  RECT area = LayOutFrame(client, StatusBarHeight(), DockSide::Floating, 0).view;
  MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

void CFrameWnd::DockControlBar(CToolBar* bar, DockSide side) {
  side = FirstAllowedSide(side, bar->GetDockStyle() & m_dockStyle);
  if (side == DockSide::Floating) return;
  bar->Dock(side);
  RecalcLayout();
}

void CFrameWnd::FloatControlBar(CToolBar* bar, POINT topLeft) {
  bar->Float(topLeft);
  RecalcLayout();
}

void CFrameWnd::ShowControlBar(CToolBar* bar, bool show) {
  bar->Show(show);
  RecalcLayout();
}

void CFrameWnd::OnIdleUpdateCmdUI() {
  if (!m_hWnd || !::IsWindowVisible(m_hWnd)) return;
  if (CToolBar* toolBar = FindToolBar()) toolBar->UpdateButtons(this);
  if (m_previewBar) m_previewBar->UpdateButtons(this);
  if (CStatusBar* statusBar = FindStatusBar()) statusBar->UpdateIndicators(this);
}

bool CFrameWnd::RouteCommand(UINT id, CCmdUI* ui) {
  if (m_preview && m_preview->OnCmdMsg(id, ui)) return true;
  if (m_view && m_view->OnCmdMsg(id, ui)) return true;
  if (OnCmdMsg(id, ui)) return true;
  CWinApp* app = AfxGetApp();
  return app && app->OnCmdMsg(id, ui);
}

bool CFrameWnd::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<CFrameWnd> kCommands[] = {
      {ID_VIEW_TOOLBAR, &CFrameWnd::OnViewToolBar, &CFrameWnd::OnUpdateViewToolBar},
      {ID_VIEW_STATUS_BAR, &CFrameWnd::OnViewStatusBar, &CFrameWnd::OnUpdateViewStatusBar},
      {ID_INDICATOR_CAP, nullptr, &CFrameWnd::OnUpdateKeyIndicator},
      {ID_INDICATOR_NUM, nullptr, &CFrameWnd::OnUpdateKeyIndicator},
      {ID_INDICATOR_SCRL, nullptr, &CFrameWnd::OnUpdateKeyIndicator},
      {ID_APP_EXIT, &CFrameWnd::OnAppExit, nullptr},
      {AFX_ID_PREVIEW_CLOSE, &CFrameWnd::OnPreviewClose, nullptr},
      {AFX_ID_PREVIEW_PRINT, &CFrameWnd::OnPreviewPrint, nullptr},
  };
  return DispatchCommand(this, kCommands, id, ui);
}

bool CFrameWnd::PreTranslateMessage(MSG* msg) {
  if (!m_hWnd || !m_accelerators) return false;
  if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return false;
  if (msg->hwnd != m_hWnd && !IsChild(m_hWnd, msg->hwnd)) return false;
  return TranslateAcceleratorA(m_hWnd, m_accelerators, msg) != 0;
}

void CFrameWnd::OnInitMenuPopup(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    // Separators (0) and submenus (-1) have no command.
    if (id == 0 || id == static_cast<UINT>(-1)) continue;
    CMenuCmdUI ui(menu, i, id);
    // A command that nobody handles cannot be chosen.
    if (!RouteCommand(id, &ui)) ui.Enable(false);
  }
}

void CFrameWnd::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  if (flags == 0xFFFF && !menu) {
    SetMessageText(nullptr);
  } else if (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) {
    SetMessageText("");
  } else {
    ShowCommandPrompt(item);
  }
}

LRESULT CFrameWnd::OnNotify(NMHDR* header) {
  CToolBar* toolBar = FindToolBar();
  if (!toolBar) return 0;
  if (header->code == TTN_GETDISPINFOA) {
    // Tooltips of the toolbar's buttons: the second part of the command's string.
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    const std::string tip = ResourceStringPart(LoadResourceString(header->idFrom), 1);
    CopyIntoBuffer(tip, info->szText, sizeof info->szText, AnsiLeadBytes());
    info->lpszText = info->szText;
    return 0;
  }
  if (header->hwndFrom != toolBar->m_hWnd) return 0;
  if (header->code == TBN_HOTITEMCHANGE && toolBar->ShowsFlyByPrompts()) {
    auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
    if (hot->dwFlags & HICF_LEAVING)
      SetMessageText(nullptr);
    else
      ShowCommandPrompt(hot->idNew);
    return 0;
  }
  return 0;
}

void CFrameWnd::ToggleBar(CWnd* bar) {
  if (!bar) return;
  bar->ShowWindow(bar->IsWindowVisible() ? SW_HIDE : SW_SHOW);
  RecalcLayout();
}

void CFrameWnd::OnViewToolBar() {
  if (CToolBar* bar = FindToolBar()) ShowControlBar(bar, !bar->IsShown());
}

void CFrameWnd::OnUpdateViewToolBar(CCmdUI* ui) {
  CToolBar* bar = FindToolBar();
  ui->Enable(bar != nullptr);
  ui->SetCheck(bar && bar->IsShown());
}

void CFrameWnd::OnViewStatusBar() { ToggleBar(FindStatusBar()); }

void CFrameWnd::OnUpdateViewStatusBar(CCmdUI* ui) {
  CStatusBar* bar = FindStatusBar();
  ui->Enable(bar != nullptr);
  ui->SetCheck(bar && bar->IsWindowVisible());
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* ui) {
  const int key = ui->m_nID == ID_INDICATOR_CAP   ? VK_CAPITAL
                  : ui->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                                  : VK_SCROLL;
  ui->Enable(KeyToggled(key));
}

void CFrameWnd::OnAppExit() { PostMessageA(m_hWnd, WM_CLOSE, 0, 0); }

void CFrameWnd::OnPreviewClose() { EndPreview(); }

void CFrameWnd::OnPreviewPrint() {
  EndPreview();
  RouteCommand(ID_FILE_PRINT, nullptr);
}

LRESULT CFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) RecalcLayout();
      return 0;
    case WM_SETFOCUS:
      if (m_preview && m_preview->m_hWnd) {
        SetFocus(m_preview->m_hWnd);
      } else if (m_view && m_view->m_hWnd) {
        SetFocus(m_view->m_hWnd);
      }
      return 0;
    case WM_COMMAND:
      // Menu items (0), accelerators (1) and toolbar buttons (BN_CLICKED, 0) are commands.
      if (HIWORD(wParam) <= 1 && RouteCommand(LOWORD(wParam), nullptr)) return 0;
      break;
    case WM_INITMENUPOPUP:
      if (!HIWORD(lParam)) OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_NCACTIVATE:
      // A floating bar's caption looks as active as the frame's.
      if (CToolBar* bar = FindToolBar(); bar && bar->IsFloating())
        ::SendMessageA(bar->GetHostWindow(), WM_NCACTIVATE, wParam, 0);
      break;
    case WM_NCDESTROY: {
      CWinApp* app = AfxGetApp();
      if (app && app->m_pMainWnd == this) {
        // The last window is gone: the message loop ends and the application has no
        // main window any more.
        app->m_pMainWnd = nullptr;
        PostQuitMessage(0);
      }
      break;
    }
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
