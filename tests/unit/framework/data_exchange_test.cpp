#include "data_exchange.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ansi_code_page.h"
#include "dialog.h"
#include "framework_test_ids.h"
#include "message_box.h"

namespace {

std::vector<std::string> g_boxes;

int RecordBox(HWND, const char* text, const char*, UINT) {
  g_boxes.push_back(text);
  return IDOK;
}

class ExchangeDialog : public CDialog {
 public:
  ExchangeDialog() : CDialog(IDD_TEST_DIALOG) {}
  int choice = 1;
  int number = 5;
  std::string name = "abc";
  int radio = 2;

 protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_CBIndex(dx, IDC_TEST_COMBO, choice);
    DDX_Text(dx, IDC_TEST_NUMBER, number);
    DDX_Text(dx, IDC_TEST_NAME, name, 10);
    DDX_Radio(dx, IDC_TEST_RADIO_A, radio);
  }
};

class DataExchange : public ::testing::Test {
 protected:
  void SetUp() override {
    g_boxes.clear();
    previousHook = SetMessageBoxHook(RecordBox);
    ASSERT_TRUE(dialog.Create(nullptr));
  }
  void TearDown() override {
    dialog.DestroyWindow();
    SetMessageBoxHook(previousHook);
  }
  HWND Item(int id) const { return GetDlgItem(dialog.m_hWnd, id); }
  void SetText(int id, const char* text) const { SetWindowTextA(Item(id), text); }
  std::string GetText(int id) const {
    char text[64] = "";
    GetWindowTextA(Item(id), text, sizeof text);
    return text;
  }
  LRESULT Send(int id, UINT message, WPARAM wParam = 0) const {
    return SendMessageA(Item(id), message, wParam, 0);
  }

  ExchangeDialog dialog;
  MessageBoxHook previousHook = nullptr;
};

TEST_F(DataExchange, InitialisationFillsListsFromTheTemplateAndShowsTheMembers) {
  EXPECT_EQ(Send(IDC_TEST_COMBO, CB_GETCOUNT), 3);
  EXPECT_EQ(Send(IDC_TEST_COMBO, CB_GETCURSEL), 1);
  EXPECT_EQ(GetText(IDC_TEST_NUMBER), "5");
  EXPECT_EQ(GetText(IDC_TEST_NAME), "abc");
  EXPECT_EQ(Send(IDC_TEST_RADIO_C, BM_GETCHECK), BST_CHECKED);
  EXPECT_EQ(Send(IDC_TEST_RADIO_A, BM_GETCHECK), BST_UNCHECKED);
  EXPECT_EQ(Send(IDC_TEST_AFTER, BM_GETCHECK), BST_UNCHECKED) << "outside the group";
}

TEST_F(DataExchange, TakesEveryAcceptedValue) {
  Send(IDC_TEST_COMBO, CB_SETCURSEL, 2);
  SetText(IDC_TEST_NUMBER, "  42 ");
  SetText(IDC_TEST_NAME, "0123456789");
  Send(IDC_TEST_RADIO_C, BM_SETCHECK, BST_UNCHECKED);
  Send(IDC_TEST_RADIO_A, BM_SETCHECK, BST_CHECKED);
  EXPECT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.choice, 2);
  EXPECT_EQ(dialog.number, 42);
  EXPECT_EQ(dialog.name, "0123456789");
  EXPECT_EQ(dialog.radio, 0);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(DataExchange, ARefusedIntegerStopsTheExchangeKeepingWhatCameBefore) {
  Send(IDC_TEST_COMBO, CB_SETCURSEL, 0);
  SetText(IDC_TEST_NUMBER, "-0");
  SetText(IDC_TEST_NAME, "changed");
  EXPECT_FALSE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.choice, 0);
  EXPECT_EQ(dialog.number, 5);
  EXPECT_EQ(dialog.name, "abc");
  EXPECT_EQ(g_boxes, (std::vector<std::string>{"Please enter an integer."}));
  EXPECT_EQ(GetFocus(), Item(IDC_TEST_NUMBER));
}

TEST_F(DataExchange, TooLongATextIsRefusedNotCut) {
  SetText(IDC_TEST_NAME, "01234567890");
  EXPECT_FALSE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.name, "abc");
  EXPECT_EQ(g_boxes, (std::vector<std::string>{"Enter no more than 10 characters."}));

  // Ten characters of two bytes each in a double-byte code page (Japanese 0x81 0x41, Korean
  // the same bytes), twenty single-byte characters in any other.
  std::string doubled;
  for (int i = 0; i < 10; ++i) doubled += "\x81\x41";
  SetText(IDC_TEST_NAME, doubled.c_str());
  EXPECT_EQ(dialog.UpdateData(true), AnsiLeadBytes().IsDoubleByte());
  EXPECT_EQ(dialog.name, AnsiLeadBytes().IsDoubleByte() ? doubled : "abc");
}

TEST_F(DataExchange, OutOfRangeIndexShowsNoSelectionAndNoRadio) {
  dialog.choice = 7;
  dialog.radio = -1;
  EXPECT_TRUE(dialog.UpdateData(false));
  EXPECT_EQ(Send(IDC_TEST_COMBO, CB_GETCURSEL), CB_ERR);
  EXPECT_EQ(Send(IDC_TEST_RADIO_C, BM_GETCHECK), BST_UNCHECKED);
  EXPECT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.choice, -1);
  EXPECT_EQ(dialog.radio, -1);
}

TEST_F(DataExchange, EnterAndEscapeHideAModelessDialog) {
  ShowWindow(dialog.m_hWnd, SW_SHOW);
  SendMessageA(dialog.m_hWnd, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(IsWindowVisible(dialog.m_hWnd));
  ShowWindow(dialog.m_hWnd, SW_SHOW);
  SetText(IDC_TEST_NUMBER, "9");
  SendMessageA(dialog.m_hWnd, WM_COMMAND, IDOK, 0);
  EXPECT_FALSE(IsWindowVisible(dialog.m_hWnd));
  EXPECT_EQ(dialog.number, 9);
  EXPECT_TRUE(IsWindow(dialog.m_hWnd));
}

}  // namespace
