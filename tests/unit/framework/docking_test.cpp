#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "framework_ids.h"
#include "framework_test_ids.h"
#include "test_app.h"

namespace {

// The toolbar docks and floats for real, driven by the mouse messages a user's drag sends.
class Docking : public ::testing::Test {
 protected:
  void SetUp() override {
    g_handled.clear();
    CSingleDocTemplate* docTemplate = OpenTestDocument(app, true);
    ASSERT_NE(docTemplate, nullptr);
    frame = docTemplate->GetFrame();
    MoveWindow(frame->m_hWnd, 50, 50, 640, 480, TRUE);
    ShowWindow(frame->m_hWnd, SW_SHOW);
    barWnd = GetDlgItem(frame->m_hWnd, IDW_TOOLBAR);
    bar = dynamic_cast<CToolBar*>(CWnd::FromHandle(barWnd));
    ASSERT_NE(bar, nullptr);
    view = frame->GetActiveView()->m_hWnd;
    statusBar = GetDlgItem(frame->m_hWnd, IDW_STATUS_BAR);
  }

  static RECT WindowRect(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect;
  }

  // A point on the gripper, or on the floating window's caption.
  POINT Handle() const {
    if (bar->IsFloating()) {
      const RECT window = WindowRect(bar->GetHostWindow());
      RECT client;
      GetClientRect(bar->GetHostWindow(), &client);
      MapWindowPoints(bar->GetHostWindow(), nullptr, reinterpret_cast<POINT*>(&client), 2);
      return {(window.left + window.right) / 2, (window.top + client.top) / 2};
    }
    const RECT window = WindowRect(barWnd);
    return {window.left + 3, window.top + 3};
  }

  // Presses the left button on the bar's handle, moves to `to` and lets go there (or
  // presses Escape first); the drag runs while the press is sent.
  void Drag(POINT to, bool escape = false) {
    POINT client = to;
    ScreenToClient(barWnd, &client);
    const LPARAM at = MAKELPARAM(static_cast<short>(client.x), static_cast<short>(client.y));
    PostMessageA(barWnd, WM_MOUSEMOVE, MK_LBUTTON, at);
    if (escape) PostMessageA(barWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(barWnd, WM_LBUTTONUP, 0, at);
    const POINT from = Handle();
    HWND handleWnd = bar->GetHostWindow();
    SendMessageA(handleWnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(from.x, from.y));
    DrainMessages();
  }

  static void DrainMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }

  // Where each edge of the frame's docking area is reached, halfway along it.
  POINT NearEdge(DockSide side) const {
    const RECT area = frame->GetDockingArea();
    const POINT middle = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    switch (side) {
      case DockSide::Top:
        return {middle.x, area.top + 4};
      case DockSide::Bottom:
        return {middle.x, area.bottom - 4};
      case DockSide::Left:
        return {area.left + 4, middle.y};
      case DockSide::Right:
        return {area.right - 4, middle.y};
      default:
        return middle;
    }
  }

  // The first button's and the button after the separator's rectangles.
  std::pair<RECT, RECT> ButtonsAroundTheSeparator() const {
    RECT first, third;
    SendMessageA(barWnd, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageA(barWnd, TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&third));
    return {first, third};
  }

  std::string StatusText() const {
    char text[256] = "";
    SendMessageA(statusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    return text;
  }

  void ChooseViewToolbar() { SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_TOOLBAR, 0); }

  TestApp app;
  CFrameWnd* frame = nullptr;
  CToolBar* bar = nullptr;
  HWND barWnd = nullptr;
  HWND view = nullptr;
  HWND statusBar = nullptr;
};

TEST_F(Docking, TheBarDocksOnEachEdgeWithTheViewBesideItAndTheStatusBarBelow) {
  EXPECT_EQ(bar->GetDockSide(), DockSide::Top);
  frame->OnIdleUpdateCmdUI();
  for (DockSide side : {DockSide::Left, DockSide::Bottom, DockSide::Right, DockSide::Top}) {
    SCOPED_TRACE(static_cast<int>(side));
    Drag(NearEdge(side));
    ASSERT_EQ(bar->GetDockSide(), side);
    EXPECT_EQ(GetParent(barWnd), frame->m_hWnd);
    EXPECT_EQ(GetCapture(), nullptr);
    const RECT b = WindowRect(barWnd);
    const RECT v = WindowRect(view);
    const RECT s = WindowRect(statusBar);
    const auto [first, third] = ButtonsAroundTheSeparator();
    if (side == DockSide::Left || side == DockSide::Right) {
      EXPECT_EQ(side == DockSide::Left ? b.right : b.left,
                side == DockSide::Left ? v.left : v.right);
      EXPECT_EQ(b.top, v.top);
      EXPECT_EQ(b.bottom, s.top);
      EXPECT_LT(b.right - b.left, b.bottom - b.top);
      // One column: the button after the separator lies below the first.
      EXPECT_EQ(third.left, first.left);
      EXPECT_GT(third.top, first.bottom);
      // Laid out anew, the buttons keep their states.
      EXPECT_FALSE(SendMessageA(barWnd, TB_ISBUTTONENABLED, ID_TEST_NOBODY, 0));
      EXPECT_TRUE(SendMessageA(barWnd, TB_ISBUTTONCHECKED, ID_TEST_CHECKED, 0));
    } else {
      EXPECT_EQ(side == DockSide::Top ? b.bottom : b.top, side == DockSide::Top ? v.top : v.bottom);
      EXPECT_EQ(b.left, v.left);
      EXPECT_EQ(b.right, v.right);
      EXPECT_EQ((side == DockSide::Top ? v.bottom : b.bottom), s.top);
      EXPECT_EQ(third.top, first.top);
      EXPECT_GT(third.left, first.right);
    }
  }
}

TEST_F(Docking, AClickOrEscapeLeavesTheBarWhereItWasAndADisallowedEdgeFloatsIt) {
  const RECT before = WindowRect(barWnd);
  Drag(Handle());
  EXPECT_EQ(bar->GetDockSide(), DockSide::Top);
  Drag(NearEdge(DockSide::Left), true);
  EXPECT_EQ(bar->GetDockSide(), DockSide::Top);
  EXPECT_EQ(GetCapture(), nullptr);
  const RECT after = WindowRect(barWnd);
  EXPECT_TRUE(EqualRect(&before, &after));
  bar->EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
  Drag(NearEdge(DockSide::Left));
  EXPECT_TRUE(bar->IsFloating());
}

TEST_F(Docking, DroppedAwayFromTheEdgesTheBarFloatsInARowAndADoubleClickDocksItBack) {
  Drag(NearEdge(DockSide::Right));
  const POINT drop = NearEdge(DockSide::Floating);
  Drag(drop);
  ASSERT_TRUE(bar->IsFloating());
  HWND floating = GetParent(barWnd);
  EXPECT_EQ(floating, bar->GetHostWindow());
  EXPECT_EQ(GetWindow(floating, GW_OWNER), frame->m_hWnd);
  EXPECT_TRUE(GetWindowLongPtrA(floating, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindowLongPtrA(floating, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_SYSMENU),
            static_cast<LONG_PTR>(WS_POPUP | WS_CAPTION | WS_SYSMENU));
  EXPECT_TRUE(IsWindowVisible(floating));
  RECT window = WindowRect(floating);
  EXPECT_TRUE(PtInRect(&window, drop));
  const auto [first, third] = ButtonsAroundTheSeparator();
  EXPECT_EQ(third.top, first.top);
  // All the buttons fit the window's client area.
  RECT client, last;
  GetClientRect(barWnd, &client);
  SendMessageA(barWnd, TB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&last));
  EXPECT_LE(last.right, client.right);
  EXPECT_LE(last.bottom, client.bottom);
  // The view takes the room the bar left.
  const RECT area = frame->GetDockingArea();
  const RECT v = WindowRect(view);
  EXPECT_TRUE(EqualRect(&area, &v));

  // Moved by its caption, it floats on.
  const POINT elsewhere = {drop.x - 60, drop.y + 40};
  Drag(elsewhere);
  ASSERT_TRUE(bar->IsFloating());
  window = WindowRect(floating);
  EXPECT_TRUE(PtInRect(&window, elsewhere));

  const POINT caption = Handle();
  SendMessageA(floating, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.x, caption.y));
  EXPECT_EQ(bar->GetDockSide(), DockSide::Right);
  EXPECT_EQ(GetParent(barWnd), frame->m_hWnd);
  EXPECT_FALSE(IsWindowVisible(floating));
  EXPECT_TRUE(IsWindowVisible(barWnd));
  EXPECT_EQ(WindowRect(barWnd).left, WindowRect(view).right);
}

TEST_F(Docking, HidingAndShowingTheBarKeepsItsPlaceDockedOrFloating) {
  HMENU popup = GetSubMenu(GetMenu(frame->m_hWnd), 0);
  auto toolbarItemChecked = [&] {
    SendMessageA(frame->m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
    return (GetMenuState(popup, ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED) != 0;
  };
  Drag(NearEdge(DockSide::Left));
  const RECT docked = WindowRect(barWnd);
  ChooseViewToolbar();
  EXPECT_FALSE(IsWindowVisible(barWnd));
  EXPECT_FALSE(toolbarItemChecked());
  EXPECT_EQ(WindowRect(view).left, frame->GetDockingArea().left);
  ChooseViewToolbar();
  EXPECT_TRUE(toolbarItemChecked());
  EXPECT_EQ(bar->GetDockSide(), DockSide::Left);
  RECT shown = WindowRect(barWnd);
  EXPECT_TRUE(EqualRect(&docked, &shown));

  Drag(NearEdge(DockSide::Floating));
  HWND floating = bar->GetHostWindow();
  const RECT floated = WindowRect(floating);
  // Closing the floating window hides the bar.
  SendMessageA(floating, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(IsWindowVisible(floating));
  EXPECT_FALSE(toolbarItemChecked());
  ChooseViewToolbar();
  EXPECT_TRUE(IsWindowVisible(barWnd));
  EXPECT_TRUE(toolbarItemChecked());
  EXPECT_TRUE(bar->IsFloating());
  shown = WindowRect(floating);
  EXPECT_TRUE(EqualRect(&floated, &shown));
}

TEST_F(Docking, AFloatingBarsButtonsTipsPromptsAndUpdatesStillGoThroughTheFrame) {
  Drag(NearEdge(DockSide::Floating));
  ASSERT_TRUE(bar->IsFloating());

  RECT button;
  SendMessageA(barWnd, TB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&button));
  const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  SendMessageA(barWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(barWnd, WM_LBUTTONUP, 0, at);
  DrainMessages();
  EXPECT_EQ(g_handled, (std::vector<std::string>{"checked"}));

  frame->OnIdleUpdateCmdUI();
  EXPECT_FALSE(SendMessageA(barWnd, TB_ISBUTTONENABLED, ID_TEST_NOBODY, 0));
  EXPECT_TRUE(SendMessageA(barWnd, TB_ISBUTTONCHECKED, ID_TEST_CHECKED, 0));

  SendMessageA(barWnd, TB_SETHOTITEM, 0, 0);
  EXPECT_EQ(StatusText(), "Prompt of both");

  // The tooltip asks the bar for its text, and the bar asks the frame.
  HWND tips = reinterpret_cast<HWND>(SendMessageA(barWnd, TB_GETTOOLTIPS, 0, 0));
  ASSERT_NE(tips, nullptr);
  char tip[80] = "";
  TOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.hwnd = barWnd;
  tool.uId = ID_TEST_CHECKED;
  tool.lpszText = tip;
  SendMessageA(tips, TTM_GETTEXTA, sizeof tip, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(tip, "Tip of checked");
}

}  // namespace
