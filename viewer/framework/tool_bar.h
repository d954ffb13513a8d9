#pragma once

#include <windows.h>

#include <vector>

#include "control_bars.h"
#include "wnd.h"

class CFrameWnd;

// The frame's toolbar: a row of buttons from one bitmap, laid out by a toolbar resource.
class CToolBar : public CWnd {
 public:
  // `ctrlStyle` holds toolbar styles (TBSTYLE_FLAT); `style` window and CBRS_ styles.
  bool CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, UINT id);
  // Loads the bitmap and the button layout that share `resourceId`.
  bool LoadToolBar(UINT resourceId);

  // Runs each button's update handler through the frame's command route.
  void UpdateButtons(CFrameWnd* frame);
  bool HasGripper() const { return (m_barStyle & CBRS_GRIPPER) != 0; }
  bool ShowsFlyByPrompts() const { return (m_barStyle & CBRS_FLYBY) != 0; }
  // Draws the gripper into the room left of the first button.
  void DrawGripper(HDC hdc) const;
  const std::vector<UINT>& Commands() const { return m_commands; }

 private:
  DWORD m_barStyle = 0;
  std::vector<UINT> m_commands;
};
