#pragma once

#include <windows.h>

#include "wnd.h"

class CToolBar;

// The small tool window a floating toolbar sits in, owned by the frame. Dragging its
// caption drags the bar, a double click on the caption docks the bar back, and closing it
// hides the bar. It never takes the activation from the frame, so the frame's keys and
// the bar's tooltips keep working.
class CMiniDockFrameWnd : public CWnd {
 public:
  explicit CMiniDockFrameWnd(CToolBar& bar) : m_bar(bar) {}

  // Creates the window hidden, captioned `title`.
  bool Create(HWND owner, const char* title);
  // The window size whose client area is `client`.
  static SIZE WindowSizeFor(SIZE client);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CToolBar& m_bar;
};
