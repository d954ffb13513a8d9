#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor_controls.h"
#include "message_box.h"
#include "modal_script.h"
#include "resource.h"
#include "watermark_dlg.h"

namespace {

using Names = std::vector<std::string>;

int g_answer = IDYES;
std::vector<std::string> g_questions;
UINT g_questionType = 0;

int AnswerQuestion(HWND, const char* text, const char*, UINT type) {
  g_questions.emplace_back(text);
  g_questionType = type;
  return g_answer;
}

const int kRecordControls[] = {IDC_WM_HEADER,  IDC_WM_WATERMARK, IDC_WM_FOOTER,
                               IDC_WM_CONTENT, IDC_WM_DELETE,    IDC_WM_RENAME};

class WatermarkEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    g_questions.clear();
    g_answer = IDYES;
    previousHook = SetMessageBoxHook(AnswerQuestion);
  }
  void TearDown() override { SetMessageBoxHook(previousHook); }

  // Runs the editor on `list`, the first step acting in it.
  INT_PTR Run(std::deque<ModalScript::Step> steps) {
    ModalScript script(std::move(steps));
    editor.pList = &list;
    const INT_PTR result = editor.DoModal();
    EXPECT_TRUE(script.Finished());
    return result;
  }

  std::vector<WatermarkRecord> list;
  CWatermarkDlg editor;
  MessageBoxHook previousHook = nullptr;
};

void ExpectRecordControlsEnabled(HWND dialog, bool enabled) {
  for (int id : kRecordControls) EXPECT_EQ(Enabled(dialog, id), enabled) << id;
  EXPECT_TRUE(Enabled(dialog, IDC_WM_NEW));
  EXPECT_TRUE(Enabled(dialog, IDC_WM_NAME));
  EXPECT_TRUE(Enabled(dialog, IDOK));
  EXPECT_TRUE(Enabled(dialog, IDCANCEL));
}

TEST_F(WatermarkEditor, AnEmptyListOffersOnlyNewWhichAddsAndSelectsAWatermark) {
  std::string prompt;
  std::string initialName = "<not asked>";
  const INT_PTR result = Run({[&](HWND dialog) {
                                EXPECT_TRUE(ComboItems(dialog, IDC_WM_NAME).empty());
                                ExpectRecordControlsEnabled(dialog, false);
                                ClickButton(dialog, IDC_WM_NEW);
                                EXPECT_EQ(ComboItems(dialog, IDC_WM_NAME), Names{"Confidential"});
                                EXPECT_EQ(ComboSelection(dialog, IDC_WM_NAME), 0);
                                ExpectRecordControlsEnabled(dialog, true);
                                EXPECT_TRUE(Checked(dialog, IDC_WM_WATERMARK));
                                EXPECT_FALSE(Checked(dialog, IDC_WM_HEADER));
                                EXPECT_EQ(ItemText(dialog, IDC_WM_CONTENT), "Confidential");
                                ClickButton(dialog, IDOK);
                              },
                              AnswerName("Confidential", &prompt, &initialName)});
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(prompt, "New Watermark");
  EXPECT_EQ(initialName, "");
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].name, "Confidential");
  EXPECT_EQ(list[0].content, "Confidential");
  EXPECT_EQ(list[0].type, kWatermarkTypeOutline);
  EXPECT_EQ(editor.selIndex, 0);
}

TEST_F(WatermarkEditor, TextWaitsForOkAndIsDroppedWhenAnotherRecordIsChosen) {
  list = {{"A", "a", kWatermarkTypeHeader}, {"B", "b", kWatermarkTypeFooter}, {"C", "c", 7}};
  editor.selIndex = 1;
  const INT_PTR result = Run({[&](HWND dialog) {
    EXPECT_EQ(ComboItems(dialog, IDC_WM_NAME), (Names{"A", "B", "C"}));
    EXPECT_EQ(ComboSelection(dialog, IDC_WM_NAME), 1);
    EXPECT_TRUE(Checked(dialog, IDC_WM_FOOTER));
    EXPECT_EQ(ItemText(dialog, IDC_WM_CONTENT), "b");
    SetDlgItemTextA(dialog, IDC_WM_CONTENT, "typed for B");
    ChooseItem(dialog, IDC_WM_NAME, 0);
    EXPECT_TRUE(Checked(dialog, IDC_WM_HEADER));
    EXPECT_FALSE(Checked(dialog, IDC_WM_FOOTER));
    EXPECT_EQ(ItemText(dialog, IDC_WM_CONTENT), "a");
    ChooseItem(dialog, IDC_WM_NAME, 2);
    for (int id : {IDC_WM_HEADER, IDC_WM_WATERMARK, IDC_WM_FOOTER})
      EXPECT_FALSE(Checked(dialog, id)) << "an unknown type checks no button";
    ChooseItem(dialog, IDC_WM_NAME, 1);
    EXPECT_EQ(ItemText(dialog, IDC_WM_CONTENT), "b") << "the typed text is gone";
    SetDlgItemTextA(dialog, IDC_WM_CONTENT, "");
    ClickButton(dialog, IDOK);
  }});
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(editor.selIndex, 1);
  EXPECT_EQ(list[0].content, "a");
  EXPECT_EQ(list[1].content, "") << "an emptied text is stored too";
  EXPECT_EQ(list[2].type, 7);
}

TEST_F(WatermarkEditor, DeleteAsksFirstAndOnlyYesRemoves) {
  list = {{"A", "a", kWatermarkTypeHeader}, {"B", "b", kWatermarkTypeFooter}};
  editor.selIndex = 1;
  const INT_PTR result = Run({[&](HWND dialog) {
    g_answer = IDNO;
    ClickButton(dialog, IDC_WM_DELETE);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(ComboSelection(dialog, IDC_WM_NAME), 1);

    g_answer = IDYES;
    ClickButton(dialog, IDC_WM_DELETE);
    EXPECT_EQ(ComboItems(dialog, IDC_WM_NAME), Names{"A"});
    EXPECT_EQ(ComboSelection(dialog, IDC_WM_NAME), 0);
    EXPECT_TRUE(Checked(dialog, IDC_WM_HEADER));
    EXPECT_EQ(ItemText(dialog, IDC_WM_CONTENT), "a");

    SetFocus(GetDlgItem(dialog, IDC_WM_DELETE));
    ClickButton(dialog, IDC_WM_DELETE);
    EXPECT_TRUE(ComboItems(dialog, IDC_WM_NAME).empty());
    ExpectRecordControlsEnabled(dialog, false);
    EXPECT_EQ(ItemText(dialog, IDC_WM_CONTENT), "a") << "the last text stays, disabled";
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_WM_NEW)) << "the keyboard is not stranded";
    ClickButton(dialog, IDCANCEL);
  }});
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(list.empty()) << "Cancel undoes no deletion";
  EXPECT_EQ(g_questions, (Names{"Are you sure you want to delete watermark \"B\"?",
                                "Are you sure you want to delete watermark \"B\"?",
                                "Are you sure you want to delete watermark \"A\"?"}));
  EXPECT_EQ(g_questionType & (MB_TYPEMASK | MB_ICONMASK), UINT{MB_YESNO | MB_ICONEXCLAMATION});
}

HWND g_editorUnderQuestion = nullptr;

TEST_F(WatermarkEditor, AYesToAQuestionWhoseListChangedMeanwhileDeletesNothingMore) {
  list = {{"A", "a", kWatermarkTypeHeader}, {"B", "b", kWatermarkTypeFooter}};
  const MessageBoxHook answering = SetMessageBoxHook([](HWND, const char* text, const char*,
                                                        UINT) {
    g_questions.emplace_back(text);
    // A second Delete while the first question is up, as a click into an editor still
    // taking input would make it.
    if (g_questions.size() == 1) ClickButton(g_editorUnderQuestion, IDC_WM_DELETE);
    return IDYES;
  });
  Run({[&](HWND dialog) {
    g_editorUnderQuestion = dialog;
    ClickButton(dialog, IDC_WM_DELETE);
    ClickButton(dialog, IDOK);
  }});
  SetMessageBoxHook(answering);
  EXPECT_EQ(g_questions.size(), 2u);
  ASSERT_EQ(list.size(), 1u) << "only the record the inner question named went";
  EXPECT_EQ(list[0].name, "B");
}

TEST_F(WatermarkEditor, RenameKeepsPositionTypeAndTextAndIgnoresAnEmptyName) {
  list = {{"Confidential", "secret", kWatermarkTypeFooter}, {"Other", "o", kWatermarkTypeHeader}};
  std::string prompt;
  std::string initialName = "<not asked>";
  const INT_PTR result =
      Run({[&](HWND dialog) {
             ClickButton(dialog, IDC_WM_RENAME);
             EXPECT_EQ(list[0].name, "Confidential");
             ClickButton(dialog, IDC_WM_RENAME);
             EXPECT_EQ(list[0].name, "Confidential");
             ClickButton(dialog, IDC_WM_RENAME);
             EXPECT_EQ(ComboItems(dialog, IDC_WM_NAME), (Names{"Internal", "Other"}));
             EXPECT_EQ(ComboSelection(dialog, IDC_WM_NAME), 0);
             EXPECT_TRUE(Checked(dialog, IDC_WM_FOOTER));
             ClickButton(dialog, IDOK);
           },
           AnswerName(""), AnswerName(nullptr), AnswerName("Internal", &prompt, &initialName)});
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(prompt, "Rename \"Confidential\" to:");
  EXPECT_EQ(initialName, "") << "the old name is not offered";
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, "Internal");
  EXPECT_EQ(list[0].content, "secret");
  EXPECT_EQ(list[0].type, kWatermarkTypeFooter);
}

TEST_F(WatermarkEditor, CancelKeepsNewRecordsAndTypesButDropsTheTypedText) {
  list = {{"A", "a", kWatermarkTypeHeader}};
  const INT_PTR result =
      Run({[&](HWND dialog) {
             ClickButton(dialog, IDC_WM_NEW);
             ClickButton(dialog, IDC_WM_NEW);
             EXPECT_EQ(ComboItems(dialog, IDC_WM_NAME), (Names{"A", " A ", "A"}));
             EXPECT_EQ(ComboSelection(dialog, IDC_WM_NAME), 2);
             PressButton(dialog, IDC_WM_FOOTER);
             EXPECT_EQ(list[2].type, kWatermarkTypeFooter) << "at once";
             SetDlgItemTextA(dialog, IDC_WM_CONTENT, "typed");
             ClickButton(dialog, IDC_WM_NEW);
             ClickButton(dialog, IDCANCEL);
           },
           AnswerName(" A "), AnswerName("A"), AnswerName("")});
  EXPECT_EQ(result, IDCANCEL);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1].name, " A ") << "names are taken as typed";
  EXPECT_EQ(list[2].name, "A") << "and may repeat";
  EXPECT_EQ(list[2].type, kWatermarkTypeFooter);
  EXPECT_EQ(list[2].content, "A");
  EXPECT_EQ(list[0].type, kWatermarkTypeHeader);
}

}  // namespace
