#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "ansi_code_page.h"
#include "framework_ids.h"
#include "framework_test_ids.h"
#include "test_app.h"

namespace {

class FrameBars : public ::testing::Test {
 protected:
  void SetUp() override {
    g_handled.clear();
    CSingleDocTemplate* docTemplate = OpenTestDocument(app, true);
    ASSERT_NE(docTemplate, nullptr);
    frame = docTemplate->GetFrame();
    ShowWindow(frame->m_hWnd, SW_SHOW);
    toolBar = GetDlgItem(frame->m_hWnd, IDW_TOOLBAR);
    statusBar = GetDlgItem(frame->m_hWnd, IDW_STATUS_BAR);
    ASSERT_NE(toolBar, nullptr);
    ASSERT_NE(statusBar, nullptr);
  }

  std::string StatusText() const {
    char text[256] = "";
    SendMessageA(statusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
  }

  TestApp app;
  CFrameWnd* frame = nullptr;
  HWND toolBar = nullptr;
  HWND statusBar = nullptr;
};

TEST_F(FrameBars, ToolbarHoldsTheResourcesButtonsAndSeparators) {
  EXPECT_EQ(SendMessageA(toolBar, TB_BUTTONCOUNT, 0, 0), 4);
  TBBUTTON button = {};
  SendMessageA(toolBar, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&button));
  EXPECT_TRUE(button.fsStyle & TBSTYLE_SEP);
  SendMessageA(toolBar, TB_GETBUTTON, 3, reinterpret_cast<LPARAM>(&button));
  EXPECT_EQ(button.idCommand, ID_TEST_CHECKED);
}

TEST_F(FrameBars, IdleUpdateDrivesButtonsByTheMenuRules) {
  frame->OnIdleUpdateCmdUI();
  EXPECT_TRUE(SendMessageA(toolBar, TB_ISBUTTONENABLED, ID_TEST_BOTH, 0));
  EXPECT_FALSE(SendMessageA(toolBar, TB_ISBUTTONENABLED, ID_TEST_NOBODY, 0));
  EXPECT_TRUE(SendMessageA(toolBar, TB_ISBUTTONCHECKED, ID_TEST_CHECKED, 0));
  EXPECT_TRUE(g_handled.empty());
}

TEST_F(FrameBars, ButtonClicksAreRoutedLikeMenuCommands) {
  SendMessageA(frame->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_TEST_CHECKED, BN_CLICKED),
               reinterpret_cast<LPARAM>(toolBar));
  EXPECT_EQ(g_handled, (std::vector<std::string>{"checked"}));
}

TEST_F(FrameBars, StatusBarHasMessagePaneAndThreeIndicatorsThatTakeTips) {
  EXPECT_EQ(SendMessageA(statusBar, SB_GETPARTS, 0, 0), 4);
  frame->SetMessageText(nullptr);
  EXPECT_EQ(StatusText(), "Ready");

  // The caps pane (1) takes its handler's tip over its own rectangle; "" takes it away.
  const auto tip = [this](RECT* rect) -> std::string {
    char text[80] = "";
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = statusBar;
    tool.uId = 1;
    for (HWND tips = nullptr; (tips = FindWindowExA(nullptr, tips, TOOLTIPS_CLASSA, nullptr));) {
      if (GetWindow(tips, GW_OWNER) != frame->m_hWnd || !SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)))
        continue;
      *rect = tool.rect;
      tool.lpszText = text;
      SendMessageA(tips, TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
      return text;
    }
    return "no tip";
  };
  g_capsTip = "Hard to read";
  frame->OnIdleUpdateCmdUI();
  RECT tipRect = {}, pane = {};
  EXPECT_EQ(tip(&tipRect), "Hard to read");
  SendMessageA(statusBar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&pane));
  EXPECT_TRUE(EqualRect(&tipRect, &pane));
  g_capsTip = "";
  frame->OnIdleUpdateCmdUI();
  EXPECT_EQ(tip(&tipRect), "no tip");
}

TEST_F(FrameBars, MenuSelectionShowsThePromptAndClosingTheMenuRestoresReady) {
  HMENU menu = GetMenu(frame->m_hWnd);
  SendMessageA(frame->m_hWnd, WM_MENUSELECT, MAKEWPARAM(ID_TEST_BOTH, MF_HILITE),
               reinterpret_cast<LPARAM>(menu));
  EXPECT_EQ(StatusText(), "Prompt of both");
  SendMessageA(frame->m_hWnd, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP | MF_HILITE),
               reinterpret_cast<LPARAM>(menu));
  EXPECT_EQ(StatusText(), "");
  SendMessageA(frame->m_hWnd, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(StatusText(), "Ready");
}

TEST_F(FrameBars, TooltipIsTheTextAfterTheLineBreakCutAtACharacter) {
  const auto tip = [this](UINT id) {
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = toolBar;
    info.hdr.idFrom = id;
    info.hdr.code = TTN_GETDISPINFOA;
    SendMessageA(frame->m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    return std::string(info.lpszText);
  };
  EXPECT_EQ(tip(ID_TEST_CHECKED), "Tip of checked");
  // 78 letters, then a character that is two bytes in a double-byte code page and the
  // default character '?' in any other: the 79 bytes the buffer holds end before it.
  const std::string letters(78, 'x');
  EXPECT_EQ(tip(ID_TEST_LONG_TIP), AnsiLeadBytes().IsDoubleByte() ? letters : letters + "?");
}

TEST_F(FrameBars, ToolbarCommandHidesAndShowsTheBarAndChecksItsMenuItem) {
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
  EXPECT_FALSE(IsWindowVisible(toolBar));
  HMENU popup = GetSubMenu(GetMenu(frame->m_hWnd), 0);
  SendMessageA(frame->m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
  EXPECT_FALSE(GetMenuState(popup, ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED);
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
  EXPECT_TRUE(IsWindowVisible(toolBar));
  SendMessageA(frame->m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
  EXPECT_TRUE(GetMenuState(popup, ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(FrameBars, ViewFillsTheRoomBetweenTheBars) {
  MoveWindow(frame->m_hWnd, 0, 0, 600, 400, TRUE);
  RECT tool, status, view;
  GetWindowRect(toolBar, &tool);
  GetWindowRect(statusBar, &status);
  GetWindowRect(frame->GetActiveView()->m_hWnd, &view);
  EXPECT_EQ(view.top, tool.bottom);
  EXPECT_EQ(view.bottom, status.top);
}

}  // namespace
