#include "mini_dock_frame.h"

#include <windowsx.h>

#include "dock_drag.h"
#include "frame_wnd.h"
#include "tool_bar.h"

namespace {

constexpr char kMiniDockFrameClass[] = "QuillorMiniDockFrame";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

bool CMiniDockFrameWnd::Create(HWND owner, const char* title) {
  const char* cls = RegisterFrameworkClass(
      kMiniDockFrameClass, CS_DBLCLKS,
      reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)), nullptr);
  return cls && CreateEx(kExStyle, cls, title, kStyle, 0, 0, 0, 0, owner, nullptr);
}

SIZE CMiniDockFrameWnd::WindowSizeFor(SIZE client) {
  RECT rect = {0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&rect, kStyle, FALSE, kExStyle);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

LRESULT CMiniDockFrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCLBUTTONDOWN:
      if (wParam != HTCAPTION) break;
      DragControlBar(m_bar, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_NCLBUTTONDBLCLK:
      if (wParam != HTCAPTION) break;
      m_bar.ToggleDocking();
      return 0;
    case WM_CLOSE:
      if (CFrameWnd* frame = m_bar.GetDockSite()) frame->ShowControlBar(&m_bar, false);
      return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
