#include <gtest/gtest.h>

#include "framework_ids.h"
#include "framework_test_ids.h"
#include "test_app.h"

namespace {

class CommandRouting : public ::testing::Test {
 protected:
  void SetUp() override {
    g_handled.clear();
    docTemplate = OpenTestDocument(app, false);
    ASSERT_NE(docTemplate, nullptr);
    frame = docTemplate->GetFrame();
  }

  std::string Caption() const {
    char text[256] = "";
    GetWindowTextA(frame->m_hWnd, text, sizeof text);
    return text;
  }

  UINT MenuState(HMENU menu, UINT id) const { return GetMenuState(menu, id, MF_BYCOMMAND); }

  TestApp app;
  CSingleDocTemplate* docTemplate = nullptr;
  CFrameWnd* frame = nullptr;
};

TEST_F(CommandRouting, ViewComesBeforeFrameAndDocumentBeforeApplication) {
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_TEST_BOTH, 0);
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_TEST_DOC_AND_APP, 0);
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_TEST_APP_ONLY, 0);
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_TEST_NOBODY, 0);
  EXPECT_EQ(g_handled, (std::vector<std::string>{"view", "document", "app"}));
}

TEST_F(CommandRouting, AcceleratorsAndToolbarClicksAreCommandsButOtherNotificationsAreNot) {
  SendMessageA(frame->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_TEST_APP_ONLY, 1), 0);
  SendMessageA(frame->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_TEST_APP_ONLY, EN_CHANGE), 0);
  EXPECT_EQ(g_handled, (std::vector<std::string>{"app"}));
}

TEST_F(CommandRouting, CommandsSentToTheViewTakeTheViewsRoute) {
  SendMessageA(frame->GetActiveView()->m_hWnd, WM_COMMAND, ID_TEST_DOC_AND_APP, 0);
  EXPECT_EQ(g_handled, (std::vector<std::string>{"document"}));
}

TEST_F(CommandRouting, MenuItemsAreEnabledAndCheckedByTheSameRules) {
  HMENU popup = GetSubMenu(GetMenu(frame->m_hWnd), 0);
  ASSERT_NE(popup, nullptr);
  SendMessageA(frame->m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
  EXPECT_FALSE(MenuState(popup, ID_TEST_BOTH) & (MF_GRAYED | MF_CHECKED));
  EXPECT_TRUE(MenuState(popup, ID_TEST_NOBODY) & MF_GRAYED);
  EXPECT_TRUE(MenuState(popup, ID_TEST_CHECKED) & MF_CHECKED);
  EXPECT_FALSE(MenuState(popup, ID_TEST_CHECKED) & MF_GRAYED);
  // The frame has no toolbar to show or hide.
  EXPECT_TRUE(MenuState(popup, ID_VIEW_TOOLBAR) & MF_GRAYED);
  EXPECT_TRUE(g_handled.empty()) << "updating must not run handlers";
}

TEST_F(CommandRouting, CaptionIsTheDocumentTitleThenTheApplicationTitle) {
  EXPECT_EQ(Caption(), "Untitled - Test App");
  docTemplate->GetDocument()->SetTitle("Report");
  EXPECT_EQ(Caption(), "Report - Test App");
  docTemplate->GetDocument()->SetTitle("");
  EXPECT_EQ(Caption(), "Test App");
}

TEST_F(CommandRouting, ANewDocumentReusesTheOneFrameAndView) {
  CView* view = frame->GetActiveView();
  app.OnFileNew();
  EXPECT_EQ(docTemplate->GetFrame(), frame);
  EXPECT_EQ(frame->GetActiveView(), view);
  EXPECT_EQ(docTemplate->GetDocument()->Views().size(), 1u);
}

TEST_F(CommandRouting, UpdateAllViewsSkipsTheSender) {
  CDocument* document = docTemplate->GetDocument();
  CView* view = frame->GetActiveView();
  MoveWindow(frame->m_hWnd, 0, 0, 300, 300, TRUE);
  ShowWindow(frame->m_hWnd, SW_SHOW);
  UpdateWindow(frame->m_hWnd);
  RECT area;
  document->UpdateAllViews(view);
  EXPECT_FALSE(GetUpdateRect(view->m_hWnd, &area, FALSE));
  document->UpdateAllViews(nullptr);
  EXPECT_TRUE(GetUpdateRect(view->m_hWnd, &area, FALSE));
}

TEST_F(CommandRouting, TheFrameBecomesTheMainWindowUntilItIsDestroyed) {
  EXPECT_EQ(AfxGetMainWnd(), frame);
  DestroyWindow(frame->m_hWnd);
  EXPECT_EQ(AfxGetMainWnd(), nullptr);
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
