#pragma once

#include <windows.h>

#include "scroll_metrics.h"
#include "view.h"

// A view larger than its window: scroll bars over a logical extent in pixels, line and
// page steps, the mouse wheel, and an origin moved by the scroll position for painting
// and hit tests.
class CScrollView : public CView {
 public:
  // The extent to scroll over; steps of 0 take a tenth of the extent (page) and of the
  // page (line).
  void SetScrollSizes(SIZE total, SIZE page = SIZE{0, 0}, SIZE line = SIZE{0, 0});
  POINT GetScrollPosition() const { return m_position; }
  void ScrollToPosition(POINT position);
  SIZE GetTotalSize() const { return m_total; }
  // A point of the window's client area in the view's logical coordinates.
  POINT ClientToLogical(POINT client) const;

 protected:
  void OnPrepareDC(HDC hdc, CPrintInfo* info) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Paints the area to repaint into an off-screen bitmap first, so the window never shows
  // a half-drawn page: the background in a system colour, then OnDraw clipped to the area.
  void PaintBuffered(int backgroundColour);
  SIZE ClientSize() const;

 private:
  void UpdateBars();
  void OnScroll(int bar, int request);
  void OnMouseWheel(int delta);

  SIZE m_total = {0, 0};
  ScrollSteps m_steps = {{1, 1}, {1, 1}};
  POINT m_position = {0, 0};
};
