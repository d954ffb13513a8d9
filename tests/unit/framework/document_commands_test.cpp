#include <gtest/gtest.h>

#include "file_bytes.h"
#include "framework_ids.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"
#include "test_app.h"

namespace {

class DocumentCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    docTemplate = OpenTestDocument(app, false);
    ASSERT_NE(docTemplate, nullptr);
    frame = docTemplate->GetFrame();
    document = docTemplate->GetDocument();
  }

  void Command(UINT id) { SendMessageA(frame->m_hWnd, WM_COMMAND, id, 0); }

  std::string Caption() const {
    char text[256] = "";
    GetWindowTextA(frame->m_hWnd, text, sizeof text);
    return text;
  }

  TempDir folder;
  ScriptedDialogs dialogs;
  TestApp app;
  CSingleDocTemplate* docTemplate = nullptr;
  CFrameWnd* frame = nullptr;
  CDocument* document = nullptr;
};

TEST_F(DocumentCommands, OpenAndSaveAsOfferTheDocumentTypeThenAllFilesAndCancelChangesNothing) {
  Command(ID_FILE_OPEN);
  Command(ID_FILE_SAVE);
  ASSERT_EQ(dialogs.requests.size(), 2u);
  const std::vector<std::string> filter = {"Test Files (*.qtst)", "*.qtst", "All Files (*.*)",
                                           "*.*"};
  EXPECT_TRUE(dialogs.requests[0].opening);
  EXPECT_EQ(dialogs.requests[0].filter, filter);
  EXPECT_EQ(dialogs.requests[0].defaultExtension, "qtst");
  EXPECT_EQ(dialogs.requests[0].flags,
            static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST));
  EXPECT_FALSE(dialogs.requests[1].opening);
  EXPECT_EQ(dialogs.requests[1].filter, filter);
  EXPECT_EQ(dialogs.requests[1].defaultExtension, "qtst");
  EXPECT_EQ(dialogs.requests[1].flags,
            static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST));
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(document->GetPathName(), "");
  EXPECT_EQ(Caption(), "Untitled - Test App");
}

// In the double-byte runs the name ends in characters whose trail byte is '\'.
TEST_F(DocumentCommands, OpeningAFileNamesTheSameDocumentAfterIt) {
  const std::string name = "report" + TestFolderTail() + ".qtst";
  const std::string report = folder.file(name);
  WriteFileBytes(report, Bytes{'x'});
  CView* view = frame->GetActiveView();
  dialogs.answer = report;
  Command(ID_FILE_OPEN);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(docTemplate->GetDocument(), document);
  EXPECT_EQ(frame->GetActiveView(), view);
  EXPECT_EQ(document->GetPathName(), report);
  EXPECT_EQ(Caption(), name + " - Test App");
  EXPECT_EQ(ReadFileBytes(report), Bytes{'x'}) << "opening must not touch the file";
}

TEST_F(DocumentCommands, SavingAnOpenedDocumentAsksForANameAndLeavesThatFileAlone) {
  const std::string report = folder.file("report.qtst");
  WriteFileBytes(report, Bytes{'x'});
  dialogs.answer = report;
  Command(ID_FILE_OPEN);
  dialogs.answer.clear();
  Command(ID_FILE_SAVE);
  ASSERT_EQ(dialogs.requests.size(), 2u);
  EXPECT_FALSE(dialogs.requests[1].opening);
  EXPECT_EQ(ReadFileBytes(report), Bytes{'x'});
}

TEST_F(DocumentCommands, AFileThatCannotBeReadIsReportedOnceAndTheDocumentStays) {
  dialogs.answer = folder.file("gone.qtst");
  Command(ID_FILE_OPEN);
  dialogs.answer = folder.path();  // a folder is not a document
  Command(ID_FILE_OPEN);
  EXPECT_EQ(dialogs.messages,
            (std::vector<std::string>{"Failed to open document.", "Failed to open document."}));
  EXPECT_EQ(docTemplate->GetDocument(), document);
  EXPECT_EQ(document->GetPathName(), "");
  EXPECT_EQ(Caption(), "Untitled - Test App");
}

TEST_F(DocumentCommands, SaveAsksForANameOnceThenWritesAnEmptyFileThere) {
  const std::string report = folder.file("report.qtst");
  WriteFileBytes(report, Bytes{'o', 'l', 'd'});
  dialogs.answer = report;
  Command(ID_FILE_SAVE);
  ASSERT_TRUE(FileExists(report));
  EXPECT_TRUE(ReadFileBytes(report).empty());
  EXPECT_EQ(document->GetPathName(), report);
  EXPECT_EQ(Caption(), "report.qtst - Test App");

  WriteFileBytes(report, Bytes{'o', 'l', 'd'});
  dialogs.answer.clear();
  Command(ID_FILE_SAVE);
  EXPECT_EQ(dialogs.requests.size(), 1u) << "a named document is saved without asking";
  EXPECT_TRUE(ReadFileBytes(report).empty());

  Command(ID_FILE_NEW);
  EXPECT_EQ(document->GetPathName(), "");
  Command(ID_FILE_SAVE);
  EXPECT_EQ(dialogs.requests.size(), 2u) << "a new document asks again";
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DocumentCommands, AFileThatCannotBeCreatedIsReportedOnceAndTheDocumentStaysUntitled) {
  dialogs.answer = folder.file("missing\\report.qtst");
  Command(ID_FILE_SAVE);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Failed to save document."});
  EXPECT_EQ(document->GetPathName(), "");
  EXPECT_EQ(Caption(), "Untitled - Test App");
}

TEST(DocumentStartUp, AFileOnTheCommandLineThatCannotBeOpenedFailsWithoutLeavingAWindow) {
  TempDir folder;
  ScriptedDialogs dialogs;
  TestApp app;
  app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(
      128, [] { return std::unique_ptr<CDocument>(std::make_unique<TestDoc>()); },
      [] { return std::unique_ptr<CFrameWnd>(std::make_unique<TestFrame>()); },
      [] { return std::unique_ptr<CView>(std::make_unique<TestView>()); }));
  CCommandLineInfo commandLine;
  commandLine.ParseParam(folder.file("gone.qtst").c_str());
  EXPECT_FALSE(app.ProcessShellCommand(commandLine));
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Failed to open document."});
  EXPECT_EQ(app.GetDocTemplate()->GetFrame(), nullptr);
  EXPECT_EQ(app.GetDocTemplate()->GetDocument(), nullptr);
  EXPECT_EQ(app.m_pMainWnd, nullptr);

  const std::string report = folder.file("report.qtst");
  WriteFileBytes(report, Bytes{});
  commandLine.m_strFileName = report;
  ASSERT_TRUE(app.ProcessShellCommand(commandLine));
  EXPECT_EQ(app.m_pMainWnd, app.GetDocTemplate()->GetFrame());
  EXPECT_EQ(app.GetDocTemplate()->GetDocument()->GetPathName(), report);
}

}  // namespace
