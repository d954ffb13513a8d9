#include <gtest/gtest.h>

#include "app_paths.h"
#include "folium_doc.h"
#include "panel_placement.h"
#include "sheet_placement.h"

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

TEST(SheetPlacement, A4SheetIsHalfAMillimetrePerPixel) {
  const SIZE sheet = SheetSizeOnScreen(2100, 2970);
  EXPECT_EQ(sheet.cx, 420);
  EXPECT_EQ(sheet.cy, 594);
  const RECT second = SheetRectInColumn(sheet, 1);
  EXPECT_EQ(second.top, kSheetGap * 2 + 594);
  EXPECT_EQ(second.bottom - second.top, 594);
}

TEST(SheetPlacement, PagesKeepTheirProportionsCentredInTheSheet) {
  const RECT area = {0, 0, 400, 600};
  const RECT wide = FitPageInto(area, 200, 100);
  EXPECT_EQ(wide.right - wide.left, 400);
  EXPECT_EQ(wide.bottom - wide.top, 200);
  EXPECT_EQ(wide.top, 200);
  const RECT tall = FitPageInto(area, 100, 300);
  EXPECT_EQ(tall.bottom - tall.top, 600);
  EXPECT_EQ(tall.right - tall.left, 200);
  EXPECT_EQ(tall.left, 100);
  const RECT none = FitPageInto(area, 0, 300);
  EXPECT_EQ(none.right - none.left, 0);
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
