#include <gtest/gtest.h>

#include "app_paths.h"
#include "folium_doc.h"
#include "panel_placement.h"
#include "program_directory.h"

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
