#pragma once

#include <windows.h>

#include <vector>

#include "wnd.h"

class CFrameWnd;

// The row of push buttons above the print preview. A pressed button's command is posted
// to the frame, so it runs once the button has finished with the click.
class CPreviewBar : public CWnd {
 public:
  bool Create(CFrameWnd* frame);
  int Height() const;
  // Runs each button's update handler through the frame's command route.
  void UpdateButtons(CFrameWnd* frame);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::vector<HWND> m_buttons;
  CFrameWnd* m_frame = nullptr;
};
