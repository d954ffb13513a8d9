#include "dock_drag.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "dock_layout.h"
#include "frame_wnd.h"
#include "gdi_holders.h"
#include "tool_bar.h"

namespace {

// How near an edge of the frame's docking area the pointer docks the bar there.
constexpr int kDockReach = 24;
constexpr int kOutlineWidth = 3;

// Holds the mouse capture for a window and gives it back once.
class ScopedCapture {
 public:
  explicit ScopedCapture(HWND hwnd) : m_hwnd(hwnd) { SetCapture(hwnd); }
  ~ScopedCapture() {
    if (GetCapture() == m_hwnd) ReleaseCapture();
  }
  ScopedCapture(const ScopedCapture&) = delete;
  ScopedCapture& operator=(const ScopedCapture&) = delete;

 private:
  HWND m_hwnd;
};

// A brush of alternate pixels, for an outline that does not hide what lies under it.
HBRUSH CreateHalftoneBrush() {
  static const WORD kPattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  CGdiObject<HBITMAP> bitmap(CreateBitmap(8, 8, 1, 1, kPattern));
  return bitmap ? CreatePatternBrush(bitmap.get()) : nullptr;
}

// The outline of where the bar would land, drawn by inverting the screen, so drawing it
// again takes it away.
class DragOutline {
 public:
  DragOutline() : m_screen(nullptr), m_brush(CreateHalftoneBrush()) {}
  ~DragOutline() { Hide(); }
  DragOutline(const DragOutline&) = delete;
  DragOutline& operator=(const DragOutline&) = delete;

  void Show(const RECT& rect) {
    if (m_shown && EqualRect(&rect, &m_rect)) return;
    Hide();
    m_rect = rect;
    Invert();
    m_shown = true;
  }

  void Hide() {
    if (m_shown) Invert();
    m_shown = false;
  }

 private:
  void Invert() const {
    if (!m_screen || !m_brush) return;
    CScopedSelect brush(m_screen.get(), m_brush.get());
    const RECT& r = m_rect;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int line = std::min({kOutlineWidth, width / 2, height / 2});
    HDC dc = m_screen.get();
    PatBlt(dc, r.left, r.top, width, line, PATINVERT);
    PatBlt(dc, r.left, r.bottom - line, width, line, PATINVERT);
    PatBlt(dc, r.left, r.top + line, line, height - 2 * line, PATINVERT);
    PatBlt(dc, r.right - line, r.top + line, line, height - 2 * line, PATINVERT);
  }

  CClientDC m_screen;
  CGdiObject<HBRUSH> m_brush;
  RECT m_rect = {0, 0, 0, 0};
  bool m_shown = false;
};

// Where the bar goes when let go: a docked side, or floating, and the rectangle it takes.
struct Landing {
  DockSide side;
  RECT rect;
};

// `grab` is where the pointer holds the bar's window, kept for the floating window.
Landing LandingAt(const CToolBar& bar, const RECT& area, POINT pointer, POINT grab) {
  const DWORD allowed = bar.GetDockStyle() & bar.GetDockSite()->GetDockingSides();
  const DockSide side = DropSide(area, pointer, allowed, kDockReach, bar.GetDockSide());
  if (side != DockSide::Floating)
    return {side, DockedBarRect(area, side, bar.DockedThickness(side))};
  const SIZE size = bar.FloatingWindowSize();
  const int left = pointer.x - std::min<int>(grab.x, size.cx - 1);
  const int top = pointer.y - std::min<int>(grab.y, size.cy - 1);
  return {side, {left, top, left + size.cx, top + size.cy}};
}

// Follows the mouse until the button goes up (the landing) or the drag is given up.
std::optional<Landing> TrackDrag(const CToolBar& bar, POINT start) {
  HWND hwnd = bar.m_hWnd;
  RECT host;
  GetWindowRect(bar.GetHostWindow(), &host);
  const POINT grab = {start.x - host.left, start.y - host.top};
  const RECT area = bar.GetDockSite()->GetDockingArea();
  const SIZE slop = {GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)};
  std::optional<Landing> landing;
  ScopedCapture capture(hwnd);
  DragOutline outline;
  while (GetCapture() == hwnd) {
    MSG msg;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // The application is ending: the loop that waits for this must still see it.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    switch (msg.message) {
      case WM_MOUSEMOVE:
      case WM_LBUTTONUP: {
        POINT pointer = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        ClientToScreen(msg.hwnd, &pointer);
        const bool moved =
            std::abs(pointer.x - start.x) > slop.cx || std::abs(pointer.y - start.y) > slop.cy;
        if (landing || moved) landing = LandingAt(bar, area, pointer, grab);
        if (msg.message == WM_LBUTTONUP) return landing;
        if (landing) outline.Show(landing->rect);
        break;
      }
      case WM_KEYDOWN:
        if (msg.wParam == VK_ESCAPE) return std::nullopt;
        break;
      case WM_RBUTTONDOWN:
        return std::nullopt;
      default:
        DispatchMessageA(&msg);
        break;
    }
  }
  return std::nullopt;
}

}  // namespace

void DragControlBar(CToolBar& bar, POINT start) {
  CFrameWnd* frame = bar.GetDockSite();
  if (!frame || !bar.m_hWnd) return;
  const std::optional<Landing> landing = TrackDrag(bar, start);
  if (!landing) return;
  if (landing->side == DockSide::Floating)
    frame->FloatControlBar(&bar, {landing->rect.left, landing->rect.top});
  else
    frame->DockControlBar(&bar, landing->side);
}
