#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "wnd.h"

class CFrameWnd;

// The frame's status bar: a stretching message pane, then indicator panes whose texts
// are string resources and which show their text only while their command is enabled.
class CStatusBar : public CWnd {
 public:
  bool Create(CWnd* parent, DWORD style, UINT id);
  // 0 stands for the message pane.
  bool SetIndicators(const UINT* ids, int count);

  void SetPaneText(int index, const char* text);
  // The tooltip over pane `index`, kept over it as the panes move; "" takes it away.
  void SetPaneTip(int index, const char* tip);
  // Fits the panes to the bar's width after the frame was sized.
  void RecalcPanes();
  // Runs each indicator's update handler through the frame's command route.
  void UpdateIndicators(CFrameWnd* frame);
  int PaneCount() const { return static_cast<int>(m_panes.size()); }

 private:
  struct Pane {
    UINT id;
    std::string text;
    int width;
    std::string tip;
  };
  std::vector<Pane> m_panes;
  // Made with the first tip; owned by the bar, so it goes with it.
  HWND m_tips = nullptr;
};
