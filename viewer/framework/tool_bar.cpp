#include "tool_bar.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "cmd_ui.h"
#include "dock_drag.h"
#include "frame_wnd.h"
#include "framework_ids.h"
#include "gdi_holders.h"
#include "mini_dock_frame.h"

namespace {

// Room for the gripper before the first button.
constexpr int kGripperRoom = 8;
constexpr int kBorder = 2;

// The toolbar control's own window procedure, which the bar hands on to. Every toolbar
// control shares it.
WNDPROC g_toolbarProc = nullptr;

// A button of the toolbar, as an update handler sees it.
class CToolCmdUI : public CCmdUI {
 public:
  CToolCmdUI(HWND toolbar, UINT id) : CCmdUI(id), m_toolbar(toolbar) {}
  void Enable(bool on) override {
    ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, m_nID, MAKELONG(on, 0));
  }
  void SetCheck(int check) override {
    ::SendMessageA(m_toolbar, TB_CHECKBUTTON, m_nID, MAKELONG(check != 0, 0));
  }

 private:
  HWND m_toolbar;
};

// The toolbar resource: version 1, button width and height, item count, commands.
struct ToolbarLayout {
  int width = 0;
  int height = 0;
  std::vector<UINT> items;
};

bool ReadToolbarLayout(UINT resourceId, ToolbarLayout& layout) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HRSRC found =
      FindResourceA(instance, MAKEINTRESOURCEA(resourceId), MAKEINTRESOURCEA(RT_TOOLBAR_DATA));
  if (!found) return false;
  HGLOBAL loaded = LoadResource(instance, found);
  const auto* words = static_cast<const WORD*>(LockResource(loaded));
  const DWORD size = SizeofResource(instance, found);
  if (!words || size < 4 * sizeof(WORD) || words[0] != 1) return false;
  const WORD count = words[3];
  if (size < (4u + count) * sizeof(WORD)) return false;
  layout.width = words[1];
  layout.height = words[2];
  layout.items.assign(words + 4, words + 4 + count);
  return true;
}

// The side a bar is created on, from its CBRS_ALIGN_ style.
DockSide SideOfStyle(DWORD style) {
  if (style & CBRS_ALIGN_BOTTOM) return DockSide::Bottom;
  if (style & CBRS_ALIGN_LEFT) return DockSide::Left;
  if (style & CBRS_ALIGN_RIGHT) return DockSide::Right;
  return DockSide::Top;
}

RECT ClientRectOnScreen(HWND hwnd) {
  RECT rect;
  GetClientRect(hwnd, &rect);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace

CToolBar::~CToolBar() {
  // Destroying the floating window destroys the bar's window inside it: done while the bar
  // is whole, so that it sees its window go.
  if (m_floatFrame) m_floatFrame->DestroyWindow();
}

bool CToolBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, UINT id) {
  m_barStyle = style & CBRS_ALL_FLAGS;
  m_side = m_lastDockedSide = SideOfStyle(style);
  // The frame places the bar; the control neither sizes nor aligns itself.
  DWORD windowStyle =
      (style & ~CBRS_ALL_FLAGS) | ctrlStyle | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  if (style & CBRS_TOOLTIPS) windowStyle |= TBSTYLE_TOOLTIPS;
  HWND hwnd = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", windowStyle, 0, 0, 0, 0, parent->m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return false;
  // Bound and subclassed: the bar draws its gripper and is dragged by it.
  Attach(hwnd);
  g_toolbarProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CToolBar::SubclassProc)));
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ::SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  m_dockSite = dynamic_cast<CFrameWnd*>(parent);
  if (m_dockSite) m_dockSite->AddControlBar(this);
  return true;
}

bool CToolBar::LoadToolBar(UINT resourceId) {
  ToolbarLayout layout;
  if (!m_hWnd || !ReadToolbarLayout(resourceId, layout)) return false;
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (UINT command : layout.items) {
    TBBUTTON button = {};
    if (command == 0) {
      button.fsStyle = TBSTYLE_SEP;
    } else {
      button.iBitmap = image++;
      button.idCommand = static_cast<int>(command);
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = TBSTYLE_BUTTON;
      m_commands.push_back(command);
    }
    buttons.push_back(button);
  }
  ::SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELONG(layout.width, layout.height));
  TBADDBITMAP bitmap = {GetModuleHandleA(nullptr), resourceId};
  if (::SendMessageA(m_hWnd, TB_ADDBITMAP, image, reinterpret_cast<LPARAM>(&bitmap)) < 0)
    return false;
  if (!::SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(),
                      reinterpret_cast<LPARAM>(buttons.data())))
    return false;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    RECT item;
    if (!::SendMessageA(m_hWnd, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item))) continue;
    m_rowSize.cx = std::max(m_rowSize.cx, item.right);
    m_rowSize.cy = std::max(m_rowSize.cy, item.bottom);
  }
  if (!IsHorizontal(m_side)) WrapButtons(true);
  return true;
}

bool CToolBar::IsShown() const {
  HWND host = GetHostWindow();
  return host && (GetWindowLongPtrA(host, GWL_STYLE) & WS_VISIBLE) != 0;
}

HWND CToolBar::GetHostWindow() const {
  return IsFloating() && m_floatFrame ? m_floatFrame->m_hWnd : m_hWnd;
}

int CToolBar::DockedThickness(DockSide side) const {
  const LRESULT button = SendMessage(TB_GETBUTTONSIZE);
  const RECT insets = Insets(side);
  return IsHorizontal(side) ? HIWORD(button) + insets.top + insets.bottom
                            : LOWORD(button) + insets.left + insets.right;
}

SIZE CToolBar::FloatingWindowSize() const {
  const RECT insets = Insets(DockSide::Floating);
  return CMiniDockFrameWnd::WindowSizeFor(
      {m_rowSize.cx + insets.left + insets.right, m_rowSize.cy + insets.top + insets.bottom});
}

void CToolBar::Dock(DockSide side) {
  if (!m_hWnd || !m_dockSite || side == DockSide::Floating) return;
  const bool shown = IsShown();
  // Out of sight while it changes parent and shape; the frame then gives it its place.
  SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetSide(side);
  m_lastDockedSide = side;
  ::SetParent(m_hWnd, m_dockSite->m_hWnd);
  if (m_floatFrame) m_floatFrame->ShowWindow(SW_HIDE);
  if (shown) Show(true);
}

void CToolBar::Float(POINT topLeft) {
  if (!m_hWnd || !m_dockSite) return;
  const bool shown = IsShown();
  if (!m_floatFrame || !m_floatFrame->m_hWnd) {
    auto floatFrame = std::make_unique<CMiniDockFrameWnd>(*this);
    char name[64] = "";
    GetWindowTextA(m_hWnd, name, sizeof name);
    if (!floatFrame->Create(m_dockSite->m_hWnd, name)) return;
    m_floatFrame = std::move(floatFrame);
  }
  HWND floating = m_floatFrame->m_hWnd;
  SetSide(DockSide::Floating);
  ::SetParent(m_hWnd, floating);
  const SIZE size = FloatingWindowSize();
  SetWindowPos(floating, nullptr, topLeft.x, topLeft.y, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client;
  GetClientRect(floating, &client);
  MoveWindow(m_hWnd, 0, 0, client.right, client.bottom, TRUE);
  ::ShowWindow(m_hWnd, SW_SHOWNA);
  if (shown) Show(true);
}

void CToolBar::Show(bool show) {
  HWND host = GetHostWindow();
  if (!host) return;
  ::ShowWindow(host, show ? SW_SHOWNA : SW_HIDE);
  // The floating window never takes the activation; its caption looks as active as the frame's.
  if (show && IsFloating() && m_dockSite)
    ::SendMessageA(host, WM_NCACTIVATE, GetActiveWindow() == m_dockSite->m_hWnd, 0);
}

void CToolBar::ToggleDocking() {
  if (!IsDockable()) return;
  if (IsFloating())
    m_dockSite->DockControlBar(this, m_lastDockedSide);
  else
    m_dockSite->FloatControlBar(this, FloatingPosition());
}

void CToolBar::UpdateButtons(CFrameWnd* frame) {
  for (UINT command : m_commands) {
    CToolCmdUI ui(m_hWnd, command);
    if (!frame->RouteCommand(command, &ui)) ui.Enable(false);
  }
}

RECT CToolBar::Insets(DockSide side) const {
  RECT insets = {kBorder, kBorder, kBorder, kBorder};
  if (side == DockSide::Floating || !HasGripper()) return insets;
  (IsHorizontal(side) ? insets.left : insets.top) = kGripperRoom;
  return insets;
}

void CToolBar::SetSide(DockSide side) {
  const bool column = !IsHorizontal(side);
  const bool wasColumn = !IsHorizontal(m_side);
  m_side = side;
  if (column != wasColumn) WrapButtons(column);
  // The insets change with the side.
  SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CToolBar::WrapButtons(bool column) {
  // Old controls cannot change a separator's state in place: the buttons are taken out
  // and put back, keeping their enabled and checked states.
  const int count = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
  std::vector<TBBUTTON> buttons(count);
  for (int i = 0; i < count; ++i) {
    SendMessage(TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&buttons[i]));
    if (column)
      buttons[i].fsState |= TBSTATE_WRAP;
    else
      buttons[i].fsState &= ~TBSTATE_WRAP;
  }
  for (int i = 0; i < count; ++i) SendMessage(TB_DELETEBUTTON, 0);
  // CCS_VERT draws the separators across the column.
  const LONG_PTR style = GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  SetWindowLongPtrA(m_hWnd, GWL_STYLE, column ? style | CCS_VERT : style & ~CCS_VERT);
  SendMessage(TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons.data()));
}

void CToolBar::PaintNonClient() const {
  RECT window;
  GetWindowRect(m_hWnd, &window);
  RECT client = ClientRectOnScreen(m_hWnd);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  CWindowDC dc(m_hWnd);
  if (!dc) return;
  ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  FillRect(dc.get(), &window, GetSysColorBrush(COLOR_BTNFACE));
  if (IsFloating() || !HasGripper()) return;
  RECT grip = IsHorizontal(m_side) ? RECT{2, client.top, 5, client.bottom}
                                   : RECT{client.left, 2, client.right, 5};
  DrawEdge(dc.get(), &grip, BDR_RAISEDINNER, BF_RECT);
}

POINT CToolBar::FloatingPosition() const {
  RECT last;
  GetWindowRect(m_floatFrame && m_floatFrame->m_hWnd ? m_floatFrame->m_hWnd : m_hWnd, &last);
  return {last.left, last.top};
}

LRESULT CToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCALCSIZE: {
      const LRESULT result = DefWindowProc(message, wParam, lParam);
      // Either way the first rectangle becomes the client area.
      RECT& client = *reinterpret_cast<RECT*>(lParam);
      const RECT insets = Insets(m_side);
      client.left += insets.left;
      client.top += insets.top;
      client.right = std::max(client.left, client.right - insets.right);
      client.bottom = std::max(client.top, client.bottom - insets.bottom);
      return result;
    }
    case WM_NCPAINT:
      DefWindowProc(message, wParam, lParam);
      PaintNonClient();
      return 0;
    case WM_NCHITTEST: {
      const RECT client = ClientRectOnScreen(m_hWnd);
      const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      // The gripper and the borders move the bar, as a caption moves a window.
      if (IsDockable() && !PtInRect(&client, point)) return HTCAPTION;
      break;
    }
    case WM_NCLBUTTONDOWN:
      if (wParam != HTCAPTION || !IsDockable()) break;
      DragControlBar(*this, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_NCLBUTTONDBLCLK:
      if (wParam != HTCAPTION || !IsDockable()) break;
      ToggleDocking();
      return 0;
    case WM_NCDESTROY: {
      const LRESULT result = DefWindowProc(message, wParam, lParam);
      Unbind();
      return result;
    }
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CToolBar::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(g_toolbarProc, m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CToolBar::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto* bar = dynamic_cast<CToolBar*>(FromHandle(hwnd)))
    return bar->WindowProc(message, wParam, lParam);
  return CallWindowProcA(g_toolbarProc, hwnd, message, wParam, lParam);
}
