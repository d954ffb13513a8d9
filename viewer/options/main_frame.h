#pragma once

#include <memory>

#include "frame_wnd.h"
#include "option_settings.h"
#include "options_dlg.h"
#include "status_bar.h"
#include "tool_bar.h"

// The viewer's main window: menu, toolbar, status bar, the view, and the options panel.
// It also takes the hand-over of a later start (WM_RELOADJOB) and reloads the job.
class CMainFrame : public CFrameWnd {
 public:
  static std::unique_ptr<CFrameWnd> Make();

  COptionsDlg& OptionsPanel() { return m_wndOptions; }
  // The values every drawing of a sheet reads: the options panel's.
  const OptionSettings& Settings() const { return m_wndOptions.Settings(); }
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 protected:
  bool PreCreateWindow(CREATESTRUCTA& cs) override;
  int OnCreate(CREATESTRUCTA* cs) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnReloadJob();
  // Shows the job secured last in the main window, if one waits and the window is there.
  static void ShowSecuredJob();
  void OnToggleOptions();
  void OnUpdateToggleOptions(CCmdUI* ui);
  void PlaceOptionsPanel();

  COptionsDlg m_wndOptions;
  CStatusBar m_wndStatusBar;
  CToolBar m_wndToolBar;
};
