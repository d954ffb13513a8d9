#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "control_bars.h"
#include "dock_layout.h"
#include "mini_dock_frame.h"
#include "wnd.h"

class CFrameWnd;

// The frame's toolbar: buttons from one bitmap, laid out by a toolbar resource. It docks
// on an edge of its frame (a row on top or bottom, a column on the left or right), with a
// gripper to drag it by, or floats in a small window of its own. Its notifications go to
// the frame wherever it is.
class CToolBar : public CWnd {
 public:
  ~CToolBar() override;

  // `ctrlStyle` holds toolbar styles (TBSTYLE_FLAT); `style` window and CBRS_ styles.
  // The parent, when it is a frame, becomes the bar's dock site.
  bool CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, UINT id);
  // Loads the bitmap and the button layout that share `resourceId`.
  bool LoadToolBar(UINT resourceId);

  // The sides (CBRS_ALIGN_ flags) the bar may dock on; without any it cannot be dragged.
  void EnableDocking(DWORD dockStyle) { m_dockStyle = dockStyle & CBRS_ALIGN_ANY; }
  DWORD GetDockStyle() const { return m_dockStyle; }
  CFrameWnd* GetDockSite() const { return m_dockSite; }
  DockSide GetDockSide() const { return m_side; }
  DockSide GetLastDockedSide() const { return m_lastDockedSide; }
  bool IsFloating() const { return m_side == DockSide::Floating; }
  // Shown where it is, docked or floating, whether or not the frame is on screen.
  bool IsShown() const;
  // The window that moves with the bar: the bar itself when docked, else its floating window.
  HWND GetHostWindow() const;
  // How deep the bar is docked on `side`: its height on top or bottom, its width at the sides.
  int DockedThickness(DockSide side) const;
  // The floating window's size, buttons in one row.
  SIZE FloatingWindowSize() const;

  // Makes the bar a child of its frame on `side`, shown or hidden as it was; the frame
  // then lays it out (CFrameWnd::DockControlBar).
  void Dock(DockSide side);
  // Moves the bar into its floating window, placed at `topLeft` (screen), shown or hidden
  // as it was (CFrameWnd::FloatControlBar).
  void Float(POINT topLeft);
  void Show(bool show);
  // A double click on the gripper or the floating caption: a docked bar floats where it
  // last floated (or where it is), a floating one docks where it last docked.
  void ToggleDocking();

  // Runs each button's update handler through the frame's command route.
  void UpdateButtons(CFrameWnd* frame);
  bool ShowsFlyByPrompts() const { return (m_barStyle & CBRS_FLYBY) != 0; }
  const std::vector<UINT>& Commands() const { return m_commands; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The toolbar control's own handling.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  bool HasGripper() const { return (m_barStyle & CBRS_GRIPPER) != 0; }
  bool IsDockable() const { return m_dockSite && m_dockStyle != 0; }
  // Room around the buttons on each side, outside the control's client area: the
  // gripper's on the leading edge when docked, a border elsewhere.
  RECT Insets(DockSide side) const;
  void SetSide(DockSide side);
  // One button per row (a column), or all in one row.
  void WrapButtons(bool column);
  void PaintNonClient() const;
  // Where a double click on the gripper floats the bar: where it last floated, or where it is.
  POINT FloatingPosition() const;

  DWORD m_barStyle = 0;
  DWORD m_dockStyle = 0;
  CFrameWnd* m_dockSite = nullptr;
  DockSide m_side = DockSide::Top;
  DockSide m_lastDockedSide = DockSide::Top;
  // The buttons' extent laid out in one row.
  SIZE m_rowSize = {0, 0};
  std::vector<UINT> m_commands;
  std::unique_ptr<CMiniDockFrameWnd> m_floatFrame;
};
