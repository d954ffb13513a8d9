#pragma once

#include <string>
#include <vector>

#include "document.h"
#include "frame_wnd.h"
#include "status_bar.h"
#include "tool_bar.h"
#include "view.h"
#include "win_app.h"

// A small application on the framework whose handlers write down who ran.
extern std::vector<std::string> g_handled;
// The tip the caps-lock indicator's update handler gives its pane.
extern std::string g_capsTip;

class TestView : public CView {
 public:
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 protected:
  void OnDraw(HDC) override {}

 private:
  void OnBoth() { g_handled.push_back("view"); }
};

class TestDoc : public CDocument {
 public:
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 private:
  void OnDocAndApp() { g_handled.push_back("document"); }
};

class TestFrame : public CFrameWnd {
 public:
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;
  bool m_withBars = false;

 protected:
  int OnCreate(CREATESTRUCTA* cs) override;

 private:
  void OnBoth() { g_handled.push_back("frame"); }
  void OnChecked() { g_handled.push_back("checked"); }
  void OnUpdateChecked(CCmdUI* ui) { ui->SetCheck(1); }
  void OnUpdateCaps(CCmdUI* ui) {
    ui->Enable(true);
    ui->SetTip(g_capsTip.c_str());
  }
  CToolBar m_toolBar;
  CStatusBar m_statusBar;
};

class TestApp : public CWinApp {
 public:
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 private:
  void OnDocAndApp() { g_handled.push_back("app"); }
  void OnAppOnly() { g_handled.push_back("app"); }
};

// Makes the one document with its frame and view; `withBars` gives the frame a toolbar
// and a status bar.
CSingleDocTemplate* OpenTestDocument(TestApp& app, bool withBars);
