#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "folium_app.h"
#include "message_box.h"
#include "queue_purge.h"
#include "temp_dir.h"

namespace {

int g_opens = 0;
std::vector<std::string> g_boxes;

BOOL WINAPI RefuseOpen(LPSTR, LPHANDLE, LPPRINTER_DEFAULTSA) {
  ++g_opens;
  SetLastError(ERROR_INVALID_PRINTER_NAME);
  return FALSE;
}

int RecordBox(HWND, const char* text, const char*, UINT) {
  g_boxes.push_back(text);
  return IDOK;
}

class FoliumExit : public ::testing::Test {
 protected:
  void SetUp() override {
    g_opens = 0;
    g_boxes.clear();
    SpoolerCalls refusing = {RefuseOpen, nullptr, nullptr, nullptr, nullptr};
    previousCalls = SetSpoolerCalls(&refusing);
    previousHook = SetMessageBoxHook(RecordBox);
  }
  void TearDown() override {
    SetSpoolerCalls(&previousCalls);
    SetMessageBoxHook(previousHook);
  }

  SpoolerCalls previousCalls{};
  MessageBoxHook previousHook = nullptr;
  CFoliumApp app;
};

TEST_F(FoliumExit, AStartThatNeverReachedTheJobLeavesTheQueueAlone) {
  app.ExitInstance();
  EXPECT_EQ(g_opens, 0);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(FoliumExit, AStartedViewerPurgesTheQueueAndSaysWhenThePrinterIsMissing) {
  TempDir work;
  app.m_strWorkDir = work.path();
  app.ExitInstance();
  EXPECT_EQ(g_opens, 1);
  EXPECT_EQ(g_boxes, std::vector<std::string>{kOpenPrinterFailedText});
}

}  // namespace
