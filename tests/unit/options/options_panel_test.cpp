#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "doc_template.h"
#include "document.h"
#include "editor_controls.h"
#include "file_bytes.h"
#include "folium_app.h"
#include "main_frame.h"
#include "message_box.h"
#include "modal_script.h"
#include "resource.h"
#include "temp_dir.h"
#include "view.h"
#include "win_app.h"

namespace {

// Counts the repaints the document asks of its view.
class CountingView : public CView {
 public:
  void OnUpdate(CView*, LPARAM) override { ++updates; }
  int updates = 0;

 protected:
  void OnDraw(HDC) override {}
};

std::unique_ptr<CDocument> MakeDocument() { return std::make_unique<CDocument>(); }
std::unique_ptr<CView> MakeCountingView() { return std::make_unique<CountingView>(); }

std::vector<std::string> g_boxes;
// How many boxes are open at once at most, and what the user does while one is open.
int g_openBoxes = 0;
int g_mostOpenBoxes = 0;
void (*g_whileBoxOpen)() = nullptr;

int g_boxAnswer = IDOK;
HWND g_boxOwner = nullptr;

int RecordBox(HWND owner, const char* text, const char*, UINT) {
  g_boxes.push_back(text);
  g_boxOwner = owner;
  ++g_openBoxes;
  if (g_openBoxes > g_mostOpenBoxes) g_mostOpenBoxes = g_openBoxes;
  if (auto action = g_whileBoxOpen) {
    g_whileBoxOpen = nullptr;
    action();
  }
  --g_openBoxes;
  return g_boxAnswer;
}

HWND g_startPage = nullptr;

void TypeKey(char key) { SendMessageA(g_startPage, WM_CHAR, static_cast<WPARAM>(key), 1); }

class OptionsPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    lstrcpynA(g_szOptionFile, OptionFile().c_str(), sizeof g_szOptionFile);
    g_boxAnswer = IDOK;
    g_boxes.clear();
    g_mostOpenBoxes = 0;
    g_whileBoxOpen = nullptr;
    previousHook = SetMessageBoxHook(RecordBox);
    app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, MakeDocument,
                                                            CMainFrame::Make, MakeCountingView));
    ASSERT_TRUE(app.GetDocTemplate()->OpenDocumentFile(nullptr));
    frame = static_cast<CMainFrame*>(app.GetDocTemplate()->GetFrame());
    view = dynamic_cast<CountingView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    panel = frame->OptionsPanel().m_hWnd;
    ASSERT_NE(panel, nullptr);
    g_startPage = Item(IDC_START_PAGE);
    view->updates = 0;
  }
  void TearDown() override { SetMessageBoxHook(previousHook); }

  std::string OptionFile() const { return folder.file("option.ini"); }
  HWND Item(int id) const { return GetDlgItem(panel, id); }
  const OptionSettings& Settings() const { return frame->Settings(); }
  LRESULT Selection(int id) const { return SendMessageA(Item(id), CB_GETCURSEL, 0, 0); }
  std::string StartPageText() const {
    char text[64] = "";
    GetWindowTextA(g_startPage, text, sizeof text);
    return text;
  }
  // What a user's pick in a list sends.
  void Choose(int id, int index) const {
    SendMessageA(Item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(id)));
  }
  void Type(const char* keys) const {
    for (const char* key = keys; *key; ++key) TypeKey(*key);
  }
  // The whole field at once, with the caret after it.
  void ReplaceStartPage(const char* text) const {
    SetWindowTextA(g_startPage, text);
    SendMessageA(g_startPage, EM_SETSEL, 64, 64);
  }
  // A dialog key as the message loop hands it to the panel.
  void PressKey(WPARAM key) {
    MSG msg = {g_startPage, WM_KEYDOWN, key, 1, 0, {0, 0}};
    EXPECT_TRUE(frame->OptionsPanel().PreTranslateMessage(&msg));
  }
  bool StandsAt(const RECT& placed) const {
    RECT rect = {};
    GetWindowRect(panel, &rect);
    return EqualRect(&rect, &placed);
  }
  bool OptionsItemChecked() const {
    HMENU viewMenu = GetSubMenu(GetMenu(frame->m_hWnd), 1);
    SendMessageA(frame->m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(viewMenu), 1);
    return GetMenuState(viewMenu, ID_VIEW_OPTIONS, MF_BYCOMMAND) & MF_CHECKED;
  }

  TempDir folder;
  CWinApp app;
  CMainFrame* frame = nullptr;
  CountingView* view = nullptr;
  HWND panel = nullptr;
  MessageBoxHook previousHook = nullptr;
};

TEST_F(OptionsPanel, OpensShowingTheDefaultsWithTheTemplatesLists) {
  EXPECT_TRUE(IsWindowVisible(panel));
  EXPECT_EQ(Selection(IDC_PAGE_BORDER), kPageBorderSeparator);
  EXPECT_EQ(Selection(IDC_PAGE_NUMBER), kPageNumberNone);
  EXPECT_EQ(Selection(IDC_PAGE_MARGINS), kPageMarginsNone);
  EXPECT_EQ(Selection(IDC_WATERMARK), 0);
  EXPECT_EQ(StartPageText(), "1");
  EXPECT_EQ(SendMessageA(Item(IDC_PAGE_BORDER), CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(Item(IDC_PAGE_NUMBER), CB_GETCOUNT, 0, 0), 7);
  EXPECT_EQ(SendMessageA(Item(IDC_PAGE_MARGINS), CB_GETCOUNT, 0, 0), 5);
  ASSERT_EQ(SendMessageA(Item(IDC_WATERMARK), CB_GETCOUNT, 0, 0), 1);
  char item[16] = "";
  SendMessageA(Item(IDC_WATERMARK), CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, "None");
  const OptionSettings& settings = Settings();
  EXPECT_EQ(settings.pageBorder, kPageBorderSeparator);
  EXPECT_EQ(settings.pageNumberPos, kPageNumberNone);
  EXPECT_EQ(settings.pageMargins, kPageMarginsNone);
  EXPECT_EQ(settings.watermarkSel, 0);
  EXPECT_EQ(settings.startPage, 1);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(OptionsPanel, EachListChangeLandsInItsOwnFieldAndRepaintsAtOnce) {
  Choose(IDC_PAGE_BORDER, kPageBorderFrame);
  EXPECT_EQ(Settings().pageBorder, kPageBorderFrame);
  EXPECT_EQ(view->updates, 1);
  Choose(IDC_PAGE_NUMBER, kPageNumberRightBottom);
  EXPECT_EQ(Settings().pageNumberPos, kPageNumberRightBottom);
  EXPECT_EQ(view->updates, 2);
  Choose(IDC_PAGE_MARGINS, kPageMarginsOriginal);
  EXPECT_EQ(Settings().pageMargins, kPageMarginsOriginal);
  EXPECT_EQ(view->updates, 3);
  Choose(IDC_PAGE_BORDER, kPageBorderNone);
  EXPECT_EQ(Settings().pageBorder, kPageBorderNone);
  Choose(IDC_WATERMARK, 0);
  EXPECT_EQ(Settings().watermarkSel, 0);
  EXPECT_EQ(view->updates, 5);
  EXPECT_EQ(Settings().pageNumberPos, kPageNumberRightBottom) << "other fields kept";
  EXPECT_EQ(Settings().startPage, 1);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(OptionsPanel, StartPageIsTakenAtEveryKeystroke) {
  SendMessageA(g_startPage, EM_SETSEL, 0, -1);
  TypeKey('1');
  EXPECT_EQ(Settings().startPage, 1);
  EXPECT_EQ(view->updates, 1);
  TypeKey('2');
  EXPECT_EQ(Settings().startPage, 12);
  EXPECT_EQ(view->updates, 2);
  ReplaceStartPage(" \t7  ");
  EXPECT_EQ(Settings().startPage, 7);
  ReplaceStartPage("-5");
  EXPECT_EQ(Settings().startPage, -5);
  ReplaceStartPage("0");
  EXPECT_EQ(Settings().startPage, 0);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(OptionsPanel, RefusedStartPageShowsOneBoxKeepsTheNumberAndStillRepaints) {
  ReplaceStartPage("3");
  for (const char* text : {"7a", "-0", "", "+", "12345678901"}) {
    g_boxes.clear();
    view->updates = 0;
    ReplaceStartPage(text);
    EXPECT_EQ(g_boxes, std::vector<std::string>{"Please enter an integer."}) << '"' << text << '"';
    EXPECT_EQ(Settings().startPage, 3) << '"' << text << '"';
    EXPECT_EQ(view->updates, 1) << '"' << text << '"';
    EXPECT_EQ(GetFocus(), g_startPage) << "the focus goes back into the field";
  }
}

TEST_F(OptionsPanel, ListsExchangedBeforeARefusedStartPageAreTaken) {
  ReplaceStartPage("x");
  SendMessageA(Item(IDC_PAGE_NUMBER), CB_SETCURSEL, kPageNumberCenterTop, 0);
  Choose(IDC_PAGE_BORDER, kPageBorderFrame);
  EXPECT_EQ(Settings().pageBorder, kPageBorderFrame);
  EXPECT_EQ(Settings().pageNumberPos, kPageNumberCenterTop);
  EXPECT_EQ(Settings().startPage, 1);
  EXPECT_EQ(g_boxes.size(), 2u) << "one for the edit, one for the list change";
  EXPECT_EQ(view->updates, 2);
}

TEST_F(OptionsPanel, ARefusalLeavesTheCaretWhereTheUserIsTyping) {
  SendMessageA(g_startPage, EM_SETSEL, 0, -1);
  TypeKey('-');
  EXPECT_EQ(g_boxes.size(), 1u);
  TypeKey('5');
  EXPECT_EQ(StartPageText(), "-5");
  EXPECT_EQ(Settings().startPage, -5);
  TypeKey('\b');
  TypeKey('\b');
  EXPECT_EQ(StartPageText(), "");
  EXPECT_EQ(Settings().startPage, -5) << "the numbering stays while the field is empty";
  Type("12");
  EXPECT_EQ(Settings().startPage, 12);
  EXPECT_EQ(g_boxes.size(), 3u) << "for \"-\", \"-\" again and the empty field";
}

TEST_F(OptionsPanel, ChangeWhileTheRefusalIsOpenIsTakenAfterItWithoutNestingBoxes) {
  ReplaceStartPage("7");
  view->updates = 0;
  // The user deletes the stray letter while the box is still open.
  g_whileBoxOpen = [] { TypeKey('\b'); };
  TypeKey('a');
  EXPECT_EQ(g_boxes.size(), 1u);
  EXPECT_EQ(g_mostOpenBoxes, 1);
  EXPECT_EQ(StartPageText(), "7");
  EXPECT_EQ(Settings().startPage, 7);
  EXPECT_EQ(view->updates, 2);

  // Still wrong after the first box: one more box, after the first, and then it stops.
  g_boxes.clear();
  g_whileBoxOpen = [] { TypeKey('b'); };
  TypeKey('a');
  EXPECT_EQ(StartPageText(), "7ab");
  EXPECT_EQ(g_boxes.size(), 2u);
  EXPECT_EQ(g_mostOpenBoxes, 1);
  EXPECT_EQ(Settings().startPage, 7);
}

TEST_F(OptionsPanel, CloseEnterAndEscapeHideItWhereItStandsWithItsValues) {
  Choose(IDC_PAGE_BORDER, kPageBorderFrame);
  RECT placed = {};
  GetWindowRect(panel, &placed);
  EXPECT_TRUE(OptionsItemChecked());

  SendMessageA(panel, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(panel));
  EXPECT_FALSE(OptionsItemChecked());
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_OPTIONS, 0);
  EXPECT_TRUE(IsWindowVisible(panel));
  EXPECT_TRUE(OptionsItemChecked());
  EXPECT_TRUE(StandsAt(placed));
  EXPECT_EQ(Selection(IDC_PAGE_BORDER), kPageBorderFrame);

  // Enter takes what the controls show, without a repaint.
  view->updates = 0;
  SendMessageA(Item(IDC_PAGE_MARGINS), CB_SETCURSEL, 2, 0);
  PressKey(VK_RETURN);
  EXPECT_FALSE(IsWindowVisible(panel));
  EXPECT_EQ(Settings().pageMargins, 2);
  EXPECT_EQ(view->updates, 0);
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_OPTIONS, 0);

  PressKey(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(panel));
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_VIEW_OPTIONS, 0);
  EXPECT_TRUE(StandsAt(placed));
  EXPECT_EQ(Settings().pageBorder, kPageBorderFrame);
  EXPECT_EQ(Settings().pageMargins, 2);
  EXPECT_TRUE(g_boxes.empty());
}

// A panel that starts with three records from the option file.
class OptionsPanelWithWatermarks : public OptionsPanel {
 protected:
  void SetUp() override {
    const std::string text =
        "[Watermark]\r\nNumber=3\r\n"
        "[Watermark0]\r\nName=Draft\r\nContent=DRAFT\r\nType=0\r\n"
        "[Watermark1]\r\nName=Copy\r\nContent=COPY\r\nType=2\r\n"
        "[Watermark2]\r\nName=Secret\r\nContent=SECRET\r\nType=1\r\n";
    WriteFileBytes(OptionFile(), Bytes(text.begin(), text.end()));
    OptionsPanel::SetUp();
  }
  // Opens the editor from the "..." button; the steps act in it and in what it opens.
  void EditWatermarks(std::deque<ModalScript::Step> steps) {
    ModalScript script(std::move(steps));
    SendMessageA(panel, WM_COMMAND, MAKEWPARAM(IDC_EDIT_WATERMARKS, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(IDC_EDIT_WATERMARKS)));
    EXPECT_TRUE(script.Finished());
  }
  std::string Read(const char* section, const char* key) const {
    char value[256] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, OptionFile().c_str());
    return value;
  }
};

using Names = std::vector<std::string>;

TEST_F(OptionsPanelWithWatermarks, LoadsTheListAtStartAndSavesTheEditedListWhenDestroyed) {
  EXPECT_EQ(ComboItems(panel, IDC_WATERMARK), (Names{"None", "Draft", "Copy", "Secret"}));
  EXPECT_EQ(Selection(IDC_WATERMARK), 0);
  g_boxAnswer = IDYES;
  EditWatermarks({[](HWND editor) {
    ClickButton(editor, IDC_WM_DELETE);
    ClickButton(editor, IDOK);
  }});
  DestroyWindow(frame->m_hWnd);
  EXPECT_EQ(Read("Watermark", "Number"), "2");
  EXPECT_EQ(Read("Watermark0", "Name"), "Copy");
  EXPECT_EQ(Read("Watermark0", "Type"), "2");
  EXPECT_EQ(Read("Watermark1", "Content"), "SECRET");
}

TEST_F(OptionsPanelWithWatermarks, AnEditedListThatCannotBeSavedIsReportedOnceNamingTheFile) {
  const Bytes before = ReadFileBytes(OptionFile());
  SetFileAttributesA(OptionFile().c_str(), FILE_ATTRIBUTE_READONLY);
  g_boxAnswer = IDYES;
  EditWatermarks({[](HWND editor) {
    ClickButton(editor, IDC_WM_DELETE);
    ClickButton(editor, IDOK);
  }});
  g_boxes.clear();
  DestroyWindow(frame->m_hWnd);
  SetFileAttributesA(OptionFile().c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_EQ(g_boxes.size(), 1u);
  EXPECT_NE(g_boxes[0].find("\"" + OptionFile() + "\""), std::string::npos) << g_boxes[0];
  EXPECT_EQ(ReadFileBytes(OptionFile()), before);
}

TEST_F(OptionsPanelWithWatermarks, AnUneditedListNeedsNoWordWhenTheFileIsReadOnly) {
  SetFileAttributesA(OptionFile().c_str(), FILE_ATTRIBUTE_READONLY);
  DestroyWindow(frame->m_hWnd);
  SetFileAttributesA(OptionFile().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(OptionsPanelWithWatermarks, TheEditorTakesThePanelsInputAndItsQuestionTheEditors) {
  g_boxAnswer = IDNO;
  HWND editorWindow = nullptr;
  EditWatermarks({[&](HWND editor) {
    editorWindow = editor;
    EXPECT_FALSE(IsWindowEnabled(panel)) << "\"...\" cannot open a second editor";
    EXPECT_FALSE(IsWindowEnabled(frame->m_hWnd));
    // As the editor's message loop shows it once it runs idle, and the user clicks it.
    ShowWindow(editor, SW_SHOW);
    SetActiveWindow(editor);
    ClickButton(editor, IDC_WM_DELETE);
    ClickButton(editor, IDOK);
  }});
  EXPECT_EQ(g_boxOwner, editorWindow) << "the question disables the editor under it";
  EXPECT_TRUE(IsWindowEnabled(panel));
  EXPECT_TRUE(IsWindowEnabled(frame->m_hWnd));
}

TEST_F(OptionsPanelWithWatermarks, OkSelectsTheEditorsRecordAndCancelLeavesThePanelAlone) {
  EditWatermarks({[](HWND editor) {
                    EXPECT_EQ(ComboSelection(editor, IDC_WM_NAME), 0)
                        << "\"None\" opens the editor at the first record";
                    ClickButton(editor, IDC_WM_NEW);
                    ClickButton(editor, IDCANCEL);
                  },
                  AnswerName("Extra")});
  EXPECT_EQ(ComboItems(panel, IDC_WATERMARK).size(), 4u) << "shown only after the next OK";
  EXPECT_EQ(Settings().watermarkSel, 0);
  EXPECT_EQ(Settings().watermarks.size(), 4u);

  view->updates = 0;
  EditWatermarks({[](HWND editor) {
    ChooseItem(editor, IDC_WM_NAME, 2);
    ClickButton(editor, IDOK);
  }});
  EXPECT_EQ(ComboItems(panel, IDC_WATERMARK).back(), "Extra");
  EXPECT_EQ(Settings().watermarkSel, 3);
  EXPECT_EQ(Selection(IDC_WATERMARK), 3);
  ASSERT_NE(SelectedWatermark(Settings()), nullptr);
  EXPECT_EQ(SelectedWatermark(Settings())->name, "Secret");
  EXPECT_EQ(view->updates, 1);

  EditWatermarks({[](HWND editor) {
    EXPECT_EQ(ComboSelection(editor, IDC_WM_NAME), 2) << "the panel's record comes first";
    ClickButton(editor, IDOK);
  }});
  EXPECT_EQ(Settings().watermarkSel, 3);
}

TEST_F(OptionsPanelWithWatermarks, TheSelectionIsBroughtBackIntoTheList) {
  Choose(IDC_WATERMARK, 3);
  g_boxAnswer = IDYES;
  view->updates = 0;
  // Deleting the chosen last record, then Cancel: the selection would point past the list.
  EditWatermarks({[](HWND editor) {
    ClickButton(editor, IDC_WM_DELETE);
    ClickButton(editor, IDCANCEL);
  }});
  EXPECT_EQ(Settings().watermarks.size(), 2u);
  EXPECT_EQ(Settings().watermarkSel, 0);
  EXPECT_EQ(Selection(IDC_WATERMARK), 0);
  EXPECT_EQ(view->updates, 1);

  // OK on an emptied list would select record 1 of none.
  EditWatermarks({[](HWND editor) {
    ClickButton(editor, IDC_WM_DELETE);
    ClickButton(editor, IDC_WM_DELETE);
    ClickButton(editor, IDOK);
  }});
  EXPECT_TRUE(Settings().watermarks.empty());
  EXPECT_EQ(Settings().watermarkSel, 0);
  EXPECT_EQ(ComboItems(panel, IDC_WATERMARK), Names{"None"});
  EXPECT_EQ(Selection(IDC_WATERMARK), 0);
}

}  // namespace
