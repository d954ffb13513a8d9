#include <gtest/gtest.h>

#include "app_paths.h"
#include "folium_doc.h"
#include "panel_placement.h"
#include "program_directory.h"
#include "file_bytes.h"
#include "temp_dir.h"
#include "work_directory.h"

namespace {

TEST(AppPaths, OptionFileAndWorkDirectorySitBesideTheProgram) {
  EXPECT_EQ(OptionFilePath("C:\\Program Files\\Quillor\\folium.exe"),
            "C:\\Program Files\\Quillor\\option.ini");
  EXPECT_EQ(WorkDirectoryPath("C:\\Program Files\\Quillor\\folium.exe"),
            "C:\\Program Files\\Quillor\\work");
  EXPECT_EQ(WorkDirectoryPath("C:\\folium.exe"), "C:\\work");
}

TEST(AppPaths, PathsThatWouldOverrunABufferAreRefused) {
  const std::string deep = "C:\\" + std::string(255, 'd') + "\\folium.exe";
  EXPECT_EQ(OptionFilePath(deep), "");
  EXPECT_EQ(WorkDirectoryPath(deep), "");
}

TEST(AppPaths, TheRunningProgramsPathIsItsOwn) {
  const std::string path = ProgramPath();
  ASSERT_GE(path.size(), 4u);
  EXPECT_EQ(path.substr(path.size() - 4), ".exe");
}

TEST(WorkDirectory, TheFolderBesideTheProgramIsMadeAndPreferred) {
  TempDir program;
  TempDir temp;
  const std::string beside = program.file("work");
  const std::string perUser = PerUserWorkDirectoryPath(temp.path() + "\\");
  EXPECT_EQ(perUser, temp.file("folium work"));
  EXPECT_EQ(ChooseWorkDirectory(beside, perUser), beside);
  EXPECT_EQ(GetFileAttributesA(beside.c_str()) & FILE_ATTRIBUTE_DIRECTORY, static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  EXPECT_EQ(GetFileAttributesA(perUser.c_str()), INVALID_FILE_ATTRIBUTES) << "made only when needed";
  // Proving the folder writable leaves nothing in it.
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((beside + "\\*.*").c_str(), &found);
  int entries = 0;
  if (search != INVALID_HANDLE_VALUE) {
    do ++entries; while (FindNextFileA(search, &found));
    FindClose(search);
  }
  EXPECT_EQ(entries, 2) << "only . and ..";
}

TEST(WorkDirectory, AFileInTheWayOrAnUnusablePathFallsBackToThePerUserFolder) {
  TempDir program;
  TempDir temp;
  WriteFileBytes(program.file("work"), Bytes{'x'});
  const std::string perUser = PerUserWorkDirectoryPath(temp.path() + "\\");
  EXPECT_EQ(ChooseWorkDirectory(program.file("work"), perUser), perUser);
  EXPECT_EQ(ReadFileBytes(program.file("work")), Bytes{'x'});
  EXPECT_EQ(ChooseWorkDirectory("", perUser), perUser) << "a program path too long for \"work\"";
  // Neither usable: no folder at all, so nothing is swept.
  WriteFileBytes(temp.file("blocked"), Bytes{'y'});
  EXPECT_EQ(ChooseWorkDirectory(program.file("work"), temp.file("blocked")), "");
  EXPECT_EQ(ChooseWorkDirectory(program.file("missing\\work"), ""), "");
  EXPECT_EQ(PerUserWorkDirectoryPath(""), "");
}

TEST(PanelPlacement, PanelStands200PixelsLeftOfTheScreenEdgeAnd150Down) {
  const POINT at = OptionsPanelPosition(1024, 280);
  EXPECT_EQ(at.x, 544);
  EXPECT_EQ(at.y, 150);
}

TEST(FoliumDoc, TitleIsPrintPreviewWhateverTheFrameworkOffers) {
  CFoliumDoc document;
  document.SetTitle("Untitled");
  EXPECT_EQ(document.GetTitle(), "Print Preview");
  document.SetTitle("report.fol");
  EXPECT_EQ(document.GetTitle(), "Print Preview");
  document.SetTitle(nullptr);
  EXPECT_EQ(document.GetTitle(), "Print Preview");
}

}  // namespace
