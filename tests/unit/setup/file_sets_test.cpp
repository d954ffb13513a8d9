#include <gtest/gtest.h>

#include <string>

#include "fake_windows.h"
#include "file_sets.h"
#include "nt_versions.h"

namespace {

TEST(NtVersions, EachTestHoldsForItsOwnVersionOnly) {
  EXPECT_TRUE(IsWinNT4(kNt4Word));
  EXPECT_TRUE(IsWinNT4(0x00000404));  // NT 4 with any minor version
  EXPECT_TRUE(IsWin2000(kWin2000Word));
  EXPECT_TRUE(IsWinXP(kWinXpWord));
  EXPECT_TRUE(IsWin2003(kWin2003Word));
  for (DWORD word : {kWin95Word, kWin98Word, kVistaWord}) {
    EXPECT_FALSE(IsWinNT4(word));
    EXPECT_FALSE(IsWin2000(word));
    EXPECT_FALSE(IsWinXP(word));
    EXPECT_FALSE(IsWin2003(word));
  }
  EXPECT_FALSE(IsWin2000(kWinXpWord));
  EXPECT_FALSE(IsWinXP(kWin2003Word));
}

TEST(NtVersions, NineXWordsWithNtNumbersAreNotNt) {
  // 9x words carry 4.x; with bit 31 set none of the NT tests may hold.
  EXPECT_FALSE(IsWinNT4(0x80000004));
  EXPECT_FALSE(IsWin2000(0x80000005));
  EXPECT_FALSE(IsWinXP(0x80000105));
}

struct FileSetCase {
  DWORD versionWord;
  const char* subfolder;
  const char* driverFile;
  const char* dataFile;
  const char* configFile;
  DWORD driverVersion;
  const char* notice;
};

std::string NoticeText(const char* notice) { return notice ? notice : "(none)"; }

TEST(FileSets, EveryVersionGetsItsRow) {
  const FileSetCase cases[] = {
      {kNt4Word, "winnt", "plinthdrv.dll", "plinth.gpd", "plinthui.dll", 2, nullptr},
      {kWin2000Word, "win2k", "plinthdrv.dll", "plinth.gpd", "plinthui.dll", 3, nullptr},
      {kWinXpWord, "winxp", "plinthdrv.dll", "plinth.gpd", "plinthui.dll", 3, nullptr},
      {kWin2003Word, "winxp", "plinthdrv.dll", "plinth.gpd", "plinthui.dll", 3, nullptr},
      {kWin98Word, "win98", "plinth.drv", "plinth.drv", "plinth.drv", 0, nullptr},
      {kWin95Word, "win95", "plinth.drv", "plinth.drv", "plinth.drv", 0, "IsNT95"},
      {kVistaWord, "win2k", "plinthdrv.dll", "plinth.gpd", "plinthui.dll", 0, "Unknown OS"},
  };
  for (const FileSetCase& expected : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << expected.versionWord);
    const FileSet& files = ChooseFileSet(expected.versionWord);
    EXPECT_STREQ(files.subfolder, expected.subfolder);
    EXPECT_STREQ(files.driverFile, expected.driverFile);
    EXPECT_STREQ(files.dataFile, expected.dataFile);
    EXPECT_STREQ(files.configFile, expected.configFile);
    EXPECT_EQ(files.driverVersion, expected.driverVersion);
    EXPECT_EQ(NoticeText(files.notice), NoticeText(expected.notice));
  }
}

TEST(FileSets, WindowsMeIsTreatedAs98) {
  EXPECT_STREQ(ChooseFileSet(0xC0005A04).subfolder, "win98");
}

}  // namespace
