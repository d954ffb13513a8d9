#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modal_owner.h"
#include "operation_scope.h"
#include "test_app.h"

namespace {

using Steps = std::vector<std::string>;

TEST(OperationScope, WorkWaitsForTheOutermostOperationAndRunsInTheOrderAsked) {
  Steps ran;
  RunWhenOperationEnds([&] { ran.push_back("idle"); });
  EXPECT_EQ(ran, Steps{"idle"}) << "nothing in progress: at once";
  {
    COperationScope command;
    {
      COperationScope box;  // a message loop inside the command
      RunWhenOperationEnds([&] {
        ran.push_back("first");
        EXPECT_TRUE(IsOperationInProgress());
        RunWhenOperationEnds([&] { ran.push_back("asked by first"); });
        ran.push_back("first done");
      });
    }
    EXPECT_EQ(ran, Steps{"idle"}) << "the box closing does not end the command";
    RunWhenOperationEnds([&] { ran.push_back("second"); });
  }
  EXPECT_FALSE(IsOperationInProgress());
  EXPECT_EQ(ran, (Steps{"idle", "first", "first done", "second", "asked by first"}));
}

Steps g_loopSteps;

LRESULT CALLBACK AskingWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_APP) return DefWindowProcA(hwnd, message, wParam, lParam);
  RunWhenOperationEnds([] { g_loopSteps.push_back("work"); });
  g_loopSteps.push_back("handler ends");
  return 0;
}

TEST(OperationScope, TheMessageLoopRunsWaitingWorkAfterTheHandlerThatAskedForIt) {
  TestApp app;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = AskingWindow;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "QuillorAskingWindow";
  RegisterClassA(&wc);
  HWND window = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  g_loopSteps.clear();
  PostMessageA(window, WM_APP, 0, 0);
  PostQuitMessage(0);
  app.Run();
  DestroyWindow(window);
  EXPECT_EQ(g_loopSteps, (Steps{"handler ends", "work"}));
}

class ModalOwner : public ::testing::Test {
 protected:
  void SetUp() override {
    CSingleDocTemplate* docTemplate = OpenTestDocument(app, false);
    ASSERT_NE(docTemplate, nullptr);
    frame = docTemplate->GetFrame()->m_hWnd;
    view = docTemplate->GetFrame()->GetActiveView()->m_hWnd;
    ShowWindow(frame, SW_SHOW);
    dialog = CreateWindowExA(0, "STATIC", "open dialog", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50,
                             frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(dialog, nullptr);
  }
  void TearDown() override { DestroyWindow(dialog); }

  TestApp app;
  HWND frame = nullptr;
  HWND view = nullptr;
  HWND dialog = nullptr;
};

TEST_F(ModalOwner, ABoxOverAnOpenDialogBelongsToItAndTheMainWindowWaitsToo) {
  SetActiveWindow(dialog);
  {
    const CModalOwner owner(nullptr);
    EXPECT_EQ(owner.get(), dialog);
    EXPECT_FALSE(IsWindowEnabled(frame));
    EXPECT_TRUE(IsWindowEnabled(dialog)) << "the box itself disables its owner";
    const CModalOwner fromTheView(view);
    EXPECT_EQ(fromTheView.get(), dialog) << "a child's box goes to its top-level window";
  }
  EXPECT_TRUE(IsWindowEnabled(frame));

  ShowWindow(dialog, SW_HIDE);
  const CModalOwner hidden(nullptr);
  EXPECT_EQ(hidden.get(), frame) << "a hidden popup owns nothing";
  EXPECT_TRUE(IsWindowEnabled(frame));
}

}  // namespace
