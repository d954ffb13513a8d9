#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "ansi_code_page.h"
#include "emf_pages.h"
#include "export_fixture.h"
#include "image_writer.h"
#include "message_box.h"
#include "page_bitmap.h"
#include "page_export.h"
#include "path_parts.h"
#include "screen_fixture.h"
#include "temp_bmp_name.h"
#include "temp_dir.h"

namespace {

// A call of the image writer: the target, and whether the source was there as a bitmap.
struct WriterCall {
  std::string target;
  bool sourceWasBitmap;
};

std::vector<WriterCall> g_writerCalls;
ImageWriterEntry g_library = nullptr;

LONG WINAPI RecordingLibrary(const char* source, const char* target) {
  const Bytes start = FileExists(source) ? ReadFileBytes(source) : Bytes();
  g_writerCalls.push_back({target, start.size() > 2 && start[0] == 'B' && start[1] == 'M'});
  return g_library(source, target);
}

std::string g_tempFolder;
int g_tempNamesLeft = 0;
int g_tempCounter = 0;

bool TempNameInTestFolder(std::string& name) {
  if (g_tempNamesLeft-- <= 0) return false;
  name = g_tempFolder + "\\temp" + std::to_string(++g_tempCounter) + ".bmp";
  return true;
}

std::vector<std::string> g_messages;

int g_bmpWritesLeft = 0;
// Lets a few blocks through, then fails every write, as a filling disk does.
bool WriterThatFills(const void* data, std::size_t bytes, std::FILE* file) {
  if (g_bmpWritesLeft-- <= 0) return false;
  return std::fwrite(data, 1, bytes, file) == bytes;
}

int RecordMessage(HWND, const char* text, const char* caption, UINT) {
  g_messages.push_back(std::string(caption) + ": " + text);
  return IDOK;
}

class PageExportTest : public ScreenFixture {
 protected:
  PageExportTest()
      : m_previousLibrary(SetImageWriterEntry(RecordingLibrary)),
        m_previousTempNames(SetTempBmpNameSource(TempNameInTestFolder)),
        m_previousMessageBox(SetMessageBoxHook(RecordMessage)) {
    g_library = m_previousLibrary;
    g_writerCalls.clear();
    g_tempFolder = temps.path();
    g_tempNamesLeft = 1000;
    g_messages.clear();
    ForgetImageFolder();
  }
  ~PageExportTest() override {
    SetImageWriterEntry(m_previousLibrary);
    SetTempBmpNameSource(m_previousTempNames);
    SetMessageBoxHook(m_previousMessageBox);
    ForgetImageFolder();
  }

  PathList WritePages(int count) {
    PathList files;
    for (int i = 0; i < count; ++i) {
      PageDrawing drawing;
      drawing.label = "Page " + std::to_string(i + 1);
      files.push_back(pages.file("page" + std::to_string(i) + ".emf"));
      WriteFileBytes(files.back(), DrawEmfPage(drawing));
    }
    return files;
  }

  // The names in the output folder, as the file system spells them.
  std::vector<std::string> OutputNames() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((out.path() + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir pages;
  TempDir out;
  TempDir temps;

 private:
  ImageWriterEntry m_previousLibrary;
  TempBmpNameSource m_previousTempNames;
  MessageBoxHook m_previousMessageBox;
};

bool IsPng(const Bytes& bytes) {
  return bytes.size() > 8 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G';
}

// In the double-byte runs the chosen name, like the folder, ends in characters whose trail
// byte is '\' (932) or a letter (949).
TEST_F(PageExportTest, ThreePagesAsPngGiveThreeNumberedImagesAndNotTheChosenName) {
  const std::string job = "job" + TestFolderTail();
  const ExportSummary summary = ExportPages(WritePages(3), out.file(job + ".png"), nullptr);
  EXPECT_EQ(summary.pageCount, 3);
  EXPECT_EQ(summary.failedPages, 0);
  EXPECT_EQ(OutputNames(), (std::vector<std::string>{job + "0000.png", job + "0001.png", job + "0002.png"}));
  EXPECT_TRUE(IsPng(ReadFileBytes(out.file(job + "0001.png"))));

  ASSERT_EQ(g_writerCalls.size(), 3u);
  EXPECT_EQ(g_writerCalls[2].target, out.file(job + "0002.png"));
  EXPECT_TRUE(g_writerCalls[0].sourceWasBitmap);
  // Every temporary bitmap is gone after its page.
  EXPECT_FALSE(FileExists(temps.file("temp1.bmp")));
  EXPECT_FALSE(FileExists(temps.file("temp3.bmp")));
}

TEST_F(PageExportTest, EmfAndBmpInAnyCaseAreCopiedOrRenderedDirectlyKeepingTheTypedCase) {
  const PathList files = WritePages(2);
  ExportPages(files, out.file("JOB.EMF"), nullptr);
  ExportPages(files, out.file("Page.Bmp"), nullptr);
  ExportPages(files, out.file("low.emf"), nullptr);
  EXPECT_TRUE(g_writerCalls.empty());
  EXPECT_EQ(OutputNames(), (std::vector<std::string>{"JOB0000.EMF", "JOB0001.EMF", "Page0000.Bmp",
                                                     "Page0001.Bmp", "low0000.emf", "low0001.emf"}));
  EXPECT_EQ(ReadFileBytes(out.file("JOB0001.EMF")), ReadFileBytes(files[1]));
  const BmpFile bitmap = ReadBmp(out.file("Page0000.Bmp"));
  EXPECT_EQ(bitmap.type(), 0x4D42);
  EXPECT_EQ(bitmap.width(), 672);
}

TEST_F(PageExportTest, DibOtherAndMissingExtensionsGoThroughTheImageWriter) {
  const PathList files = WritePages(1);
  ExportPages(files, out.file("job.dib"), nullptr);
  ExportPages(files, out.file("job.xyz"), nullptr);
  ExportPages(files, out.file("noext"), nullptr);
  ASSERT_EQ(g_writerCalls.size(), 3u);
  EXPECT_EQ(g_writerCalls[0].target, out.file("job0000.dib"));
  EXPECT_EQ(g_writerCalls[1].target, out.file("job0000.xyz"));
  EXPECT_EQ(g_writerCalls[2].target, out.file("noext0000"));
}

TEST_F(PageExportTest, AnEmfTargetCopiesEvenAPageThatCannotBeRendered) {
  PathList files = WritePages(1);
  WriteFileBytes(files[0], Bytes{'n', 'o', 't', ' ', 'E', 'M', 'F'});
  EXPECT_EQ(ExportPages(files, out.file("job.emf"), nullptr).failedPages, 0);
  EXPECT_EQ(ReadFileBytes(out.file("job0000.emf")), ReadFileBytes(files[0]));

  EXPECT_EQ(ExportPages(files, out.file("job.png"), nullptr).failedPages, 1);
  EXPECT_TRUE(g_writerCalls.empty());
  EXPECT_FALSE(FileExists(out.file("job0000.png")));
}

TEST_F(PageExportTest, APageThatFailsLeavesTheEarlierFileOfItsNameAsItWasAndNoPartOfItself) {
  const PathList files = WritePages(2);
  const Bytes earlier = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};
  WriteFileBytes(out.file("job0000.bmp"), earlier);
  WriteFileBytes(out.file("job0001.bmp"), earlier);
  const BmpFileWriter previous = SetBmpFileWriter(WriterThatFills);
  g_bmpWritesLeft = 3;  // the first page gets its headers and one block of pixels
  const ExportSummary summary = ExportPages(files, out.file("job.bmp"), nullptr);
  SetBmpFileWriter(previous);
  EXPECT_EQ(summary.failedPages, 2);
  EXPECT_EQ(OutputNames(), (std::vector<std::string>{"job0000.bmp", "job0001.bmp"}));
  EXPECT_EQ(ReadFileBytes(out.file("job0000.bmp")), earlier);
  EXPECT_EQ(ReadFileBytes(out.file("job0001.bmp")), earlier);

  // A copy that fails (its page file is gone) leaves the earlier metafile too.
  WriteFileBytes(out.file("job0000.emf"), earlier);
  DeleteFileA(files[0].c_str());
  EXPECT_EQ(ExportPages(files, out.file("job.emf"), nullptr).failedPages, 1);
  EXPECT_EQ(ReadFileBytes(out.file("job0000.emf")), earlier);
  EXPECT_EQ(ReadFileBytes(out.file("job0001.emf")), ReadFileBytes(files[1]));
  EXPECT_EQ(OutputNames().size(), 4u);

  // A successful page replaces the earlier file.
  EXPECT_EQ(ExportPages(PathList{files[1]}, out.file("job.bmp"), nullptr).failedPages, 0);
  EXPECT_EQ(ReadBmp(out.file("job0000.bmp")).type(), 0x4D42);
}

TEST_F(PageExportTest, TheTenThousandAndFirstPageIsNumbered10000) {
  // Only the last page file exists; the others are skipped quickly.
  PathList files(10001);
  files.back() = WritePages(1)[0];
  std::pair<int, int> lastProgress;
  int progressCalls = 0;
  const ExportSummary summary = ExportPages(files, out.file("job.bmp"), [&](int page, int count) {
    ++progressCalls;
    lastProgress = {page, count};
  });
  EXPECT_EQ(OutputNames(), std::vector<std::string>{"job10000.bmp"});
  EXPECT_EQ(summary.failedPages, 10000);
  EXPECT_EQ(progressCalls, 10001);
  EXPECT_EQ(lastProgress, std::make_pair(10001, 10001));

  const PathParts chosen = SplitPath("C:\\out\\job.png", AnsiLeadBytes());
  EXPECT_EQ(ExportTargetName(chosen, 0), "C:\\out\\job0000.png");
  EXPECT_EQ(ExportTargetName(chosen, 9999), "C:\\out\\job9999.png");
}

TEST_F(PageExportTest, WithoutATemporaryNameTheExportEndsAtThatPage) {
  g_tempNamesLeft = 1;
  const ExportSummary summary = ExportPages(WritePages(3), out.file("job.tif"), nullptr);
  EXPECT_EQ(OutputNames(), std::vector<std::string>{"job0000.tif"});
  EXPECT_EQ(summary.failedPages, 2);
  EXPECT_EQ(g_writerCalls.size(), 1u);
}

TEST_F(PageExportTest, ProgressNamesEachPageBeforeItIsWritten) {
  std::vector<std::string> texts;
  ExportPages(WritePages(2), out.file("job.emf"), [&](int page, int count) {
    texts.push_back(SavingPageText(page, count) + (FileExists(out.file("job0001.emf")) ? "+" : ""));
  });
  EXPECT_EQ(texts, (std::vector<std::string>{"Saving page 1 of 2", "Saving page 2 of 2"}));
  EXPECT_EQ(SavingPageText(12, 300), "Saving page 12 of 300");
}

TEST_F(PageExportTest, TheCommandReportsUnwrittenPagesInOneMessage) {
  ScriptedSaveDialog dialog;
  ScratchAppProfile profile;
  PathList files = WritePages(3);
  dialog.answer = out.file("job.jpg");
  SaveJobAsImages(nullptr, profile.get(), files, nullptr);
  EXPECT_TRUE(g_messages.empty());

  WriteFileBytes(files[1], Bytes(10, 0));
  SaveJobAsImages(nullptr, profile.get(), files, nullptr);
  EXPECT_EQ(g_messages, std::vector<std::string>{"folium: 1 of 3 pages could not be saved."});
}

LONG WINAPI MissingLibrary(const char*, const char* target) {
  g_writerCalls.push_back({target, true});
  return kImageWriterMissing;
}

TEST_F(PageExportTest, AMissingImageWriterEndsTheExportAndTheBoxSaysWhereItBelongs) {
  ScriptedSaveDialog dialog;
  ScratchAppProfile profile;
  dialog.answer = out.file("job.png");
  SetImageWriterEntry(MissingLibrary);
  SaveJobAsImages(nullptr, profile.get(), WritePages(3), nullptr);
  EXPECT_EQ(g_writerCalls.size(), 1u) << "no page after the first tries the library again";
  ASSERT_EQ(g_messages.size(), 1u);
  EXPECT_EQ(g_messages[0].rfind("folium: 3 of 3 pages could not be saved. The image writer \"" +
                                    ImageWriterLibraryPath() + "\" is missing",
                                0),
            0u)
      << g_messages[0];
  EXPECT_TRUE(OutputNames().empty());
}

TEST_F(PageExportTest, WithNoPageFilesNothingIsWrittenButTheChoiceIsRemembered) {
  ScriptedSaveDialog dialog;
  ScratchAppProfile profile;
  dialog.answer = out.file("job.png");
  dialog.answerFilter = 5;
  int progressCalls = 0;
  SaveJobAsImages(nullptr, profile.get(), PathList(), [&](int, int) { ++progressCalls; });
  EXPECT_TRUE(OutputNames().empty());
  EXPECT_EQ(progressCalls, 0);
  EXPECT_TRUE(g_messages.empty());
  EXPECT_EQ(RememberedImageFolder(), out.path() + "\\");
  EXPECT_EQ(profile.RememberedFilter(), 5);
}

TEST_F(PageExportTest, CancellingTheDialogWritesNothing) {
  ScriptedSaveDialog dialog;
  ScratchAppProfile profile;
  SaveJobAsImages(nullptr, profile.get(), WritePages(2), nullptr);
  EXPECT_TRUE(OutputNames().empty());
  EXPECT_EQ(dialog.requests.size(), 1u);
}

}  // namespace
