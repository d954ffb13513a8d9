#include "scroll_view.h"

#include <algorithm>

#include "gdi_holders.h"

void CScrollView::SetScrollSizes(SIZE total, SIZE page, SIZE line) {
  m_total.cx = std::max<LONG>(0, total.cx);
  m_total.cy = std::max<LONG>(0, total.cy);
  m_steps = DefaultScrollSteps(m_total, page, line);
  UpdateBars();
}

SIZE CScrollView::ClientSize() const {
  RECT client = {0, 0, 0, 0};
  if (m_hWnd) GetClientRect(m_hWnd, &client);
  return SIZE{client.right, client.bottom};
}

void CScrollView::PaintBuffered(int backgroundColour) {
  CPaintDC paint(m_hWnd);
  const SIZE client = ClientSize();
  if (client.cx <= 0 || client.cy <= 0) return;
  CBitmapBuffer buffer(paint.get(), client.cx, client.cy);
  if (!buffer.IsReady()) return;
  const RECT whole = {0, 0, client.cx, client.cy};
  FillRect(buffer.dc(), &whole, GetSysColorBrush(backgroundColour));
  const RECT& area = paint.area();
  // Only the area to repaint is drawn: a page at high zoom is far larger than the window.
  CGdiObject<HRGN> clip(CreateRectRgnIndirect(&area));
  SelectClipRgn(buffer.dc(), clip.get());
  const int saved = SaveDC(buffer.dc());
  OnPrepareDC(buffer.dc(), nullptr);
  OnDraw(buffer.dc());
  // The copy to the window reads the buffer in its own pixels, not scrolled.
  RestoreDC(buffer.dc(), saved);
  BitBlt(paint.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
         buffer.dc(), area.left, area.top, SRCCOPY);
}

void CScrollView::ScrollToPosition(POINT position) {
  const SIZE client = ClientSize();
  const POINT clamped = {
      std::clamp<LONG>(position.x, 0, MaxScrollPosition(m_total.cx, client.cx)),
      std::clamp<LONG>(position.y, 0, MaxScrollPosition(m_total.cy, client.cy))};
  if (clamped.x == m_position.x && clamped.y == m_position.y) return;
  m_position = clamped;
  UpdateBars();
  if (m_hWnd) InvalidateRect(m_hWnd, nullptr, TRUE);
}

POINT CScrollView::ClientToLogical(POINT client) const {
  return POINT{client.x + m_position.x, client.y + m_position.y};
}

void CScrollView::OnPrepareDC(HDC hdc, CPrintInfo* info) {
  if (!info) SetViewportOrgEx(hdc, -m_position.x, -m_position.y, nullptr);
}

void CScrollView::UpdateBars() {
  if (!m_hWnd) return;
  const SIZE client = ClientSize();
  m_position.x = std::min<LONG>(m_position.x, MaxScrollPosition(m_total.cx, client.cx));
  m_position.y = std::min<LONG>(m_position.y, MaxScrollPosition(m_total.cy, client.cy));
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  info.nMax = m_total.cx > 0 ? m_total.cx - 1 : 0;
  info.nPage = static_cast<UINT>(client.cx);
  info.nPos = m_position.x;
  SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);
  info.nMax = m_total.cy > 0 ? m_total.cy - 1 : 0;
  info.nPage = static_cast<UINT>(client.cy);
  info.nPos = m_position.y;
  SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
}

void CScrollView::OnScroll(int bar, int request) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(m_hWnd, bar, &info);
  const SIZE client = ClientSize();
  POINT target = m_position;
  if (bar == SB_HORZ) {
    target.x = ScrollPositionFor(request, m_position.x, info.nTrackPos, m_steps.line.cx,
                                 m_steps.page.cx, MaxScrollPosition(m_total.cx, client.cx));
  } else {
    target.y = ScrollPositionFor(request, m_position.y, info.nTrackPos, m_steps.line.cy,
                                 m_steps.page.cy, MaxScrollPosition(m_total.cy, client.cy));
  }
  ScrollToPosition(target);
}

void CScrollView::OnMouseWheel(int delta) {
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  const int distance = WheelScrollDistance(delta, lines, m_steps.line.cy, m_steps.page.cy);
  ScrollToPosition(POINT{m_position.x, m_position.y + distance});
}

LRESULT CScrollView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      OnScroll(SB_HORZ, LOWORD(wParam));
      return 0;
    case WM_VSCROLL:
      OnScroll(SB_VERT, LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_SIZE:
      UpdateBars();
      break;
  }
  return CView::WindowProc(message, wParam, lParam);
}
