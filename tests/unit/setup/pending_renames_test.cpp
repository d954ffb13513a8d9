#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_windows.h"
#include "file_bytes.h"
#include "pending_renames.h"
#include "rename_values.h"
#include "temp_dir.h"

namespace {

const std::string kUninstaller = "C:\\WINDOWS\\system32\\unquill.exe";
const std::string kSessionManager = "hklm\\system\\currentcontrolset\\control\\session manager";

class PendingRenamesOnNt : public testing::Test {
 protected:
  FakeWindowsScope fake;

  void StoreValue(DWORD type, const std::vector<BYTE>& data) {
    Fake().registry[kSessionManager]["PendingFileRenameOperations"] = FakeValue{type, data};
  }
  const FakeValue* StoredValue() const {
    return Fake().Value(kSessionManager, "PendingFileRenameOperations");
  }
};

TEST_F(PendingRenamesOnNt, WritesTheValueBackWideWithItsTypeAndShorterSize) {
  const std::u16string first = Pair(u"\\??\\C:\\\u65E5.tmp", u"!\\??\\C:\\a.dll");
  const std::u16string third = Pair(u"C:\\c.tmp", u"");
  StoreValue(REG_MULTI_SZ, Data(first + Pair(u"\\??\\" + kWideUninstaller, u"") + third + u'\0'));
  CancelPendingDeletion(true, kUninstaller);
  ASSERT_NE(StoredValue(), nullptr);
  EXPECT_EQ(StoredValue()->type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(StoredValue()->data, Data(first + third + u'\0'));
  EXPECT_EQ(Fake().Entries("RegOpenKeyEx")[0], "RegOpenKeyEx " + kSessionManager + " all-access");
  EXPECT_EQ(Fake().Entries("RegSetValueExW").size(), 1u);
  EXPECT_TRUE(Fake().Entries("RegSetValueEx ").empty());
  EXPECT_TRUE(Fake().openKeys.empty());
}

// In the double-byte runs the path names a folder that ends in a double-byte name.
TEST_F(PendingRenamesOnNt, FindsTheUninstallerInTheSystemsCharacters) {
  const std::wstring tail = TestFolderTailWide();
  const std::u16string other = Pair(u"C:\\a.tmp", u"");
  StoreValue(REG_MULTI_SZ,
             Data(Pair(u"\\??\\C:\\q" + std::u16string(tail.begin(), tail.end()) + u"\\unquill.exe", u"") + other + u'\0'));
  CancelPendingDeletion(true, "C:\\q" + TestFolderTail() + "\\unquill.exe");
  EXPECT_EQ(StoredValue()->data, Data(other + u'\0'));
}

TEST_F(PendingRenamesOnNt, LeavesAValueWithoutTheUninstallerUntouched) {
  StoreValue(REG_MULTI_SZ, Data(Pair(u"C:\\\u0416.tmp", u"") + u'\0'));
  CancelPendingDeletion(true, kUninstaller);
  EXPECT_EQ(StoredValue()->data, Data(Pair(u"C:\\\u0416.tmp", u"") + u'\0'));
  EXPECT_TRUE(Fake().Entries("RegSetValueEx").empty());
}

TEST_F(PendingRenamesOnNt, ReadsAValueOfAnySizeAndSkipsAMissingKeyOrValue) {
  CancelPendingDeletion(true, kUninstaller);
  EXPECT_TRUE(Fake().Entries("RegQueryValueEx").empty());

  Fake().registry[kSessionManager];
  CancelPendingDeletion(true, kUninstaller);
  EXPECT_TRUE(Fake().Entries("RegSetValueEx").empty());

  // Far more than a fixed buffer of 4096 bytes would hold, the uninstaller at the end.
  std::u16string many;
  for (int i = 0; i < 500; ++i) many += Pair(u"C:\\other" + std::u16string(1, static_cast<char16_t>(u'a' + i % 26)) + u".tmp", u"");
  StoreValue(REG_MULTI_SZ, Data(many + Pair(kWideUninstaller, u"") + u'\0'));
  CancelPendingDeletion(true, kUninstaller);
  EXPECT_EQ(StoredValue()->data, Data(many + u'\0'));
  EXPECT_TRUE(Fake().openKeys.empty());
}

TEST_F(PendingRenamesOnNt, NeverTouchesWininit) {
  StoreValue(REG_MULTI_SZ, {});
  CancelPendingDeletion(true, kUninstaller);
  EXPECT_TRUE(Fake().Entries("GetWindowsDirectory").empty());
}

class PendingRenamesOn9x : public testing::Test {
 protected:
  FakeWindowsScope fake;
  TempDir windows;
  std::string wininit = windows.file("wininit.ini");

  void SetUp() override { Fake().windowsDirectory = windows.path(); }
  std::string Wininit() const {
    const Bytes bytes = ReadFileBytes(wininit);
    return std::string(bytes.begin(), bytes.end());
  }
};

TEST_F(PendingRenamesOn9x, RemovesTheUninstallersDeletionFromWininit) {
  const std::string uninstaller = windows.file("unquill.exe");
  WritePrivateProfileStringA("Rename", "NUL", uninstaller.c_str(), wininit.c_str());
  WritePrivateProfileStringA("Rename", "C:\\new.dll", "C:\\old.dll", wininit.c_str());
  SetLastError(5);
  CancelPendingDeletion(false, uninstaller);
  EXPECT_EQ(Wininit().find("NUL="), std::string::npos);
  EXPECT_NE(Wininit().find("C:\\new.dll=C:\\old.dll"), std::string::npos);
  EXPECT_EQ(GetLastError(), 0u);
  EXPECT_TRUE(Fake().Entries("RegOpenKeyEx").empty());
}

TEST_F(PendingRenamesOn9x, LeavesAnotherFilesDeletionAlone) {
  WritePrivateProfileStringA("Rename", "NUL", "C:\\WINDOWS\\other.exe", wininit.c_str());
  CancelPendingDeletion(false, kUninstaller);
  EXPECT_NE(Wininit().find("NUL=C:\\WINDOWS\\other.exe"), std::string::npos);
}

TEST_F(PendingRenamesOn9x, AMissingWininitOrWindowsDirectoryIsSilentAndClearsTheLastError) {
  SetLastError(5);
  CancelPendingDeletion(false, kUninstaller);
  EXPECT_EQ(GetLastError(), 0u);
  EXPECT_FALSE(FileExists(wininit));

  Fake().windowsDirectory = "";
  SetLastError(5);
  CancelPendingDeletion(false, kUninstaller);
  EXPECT_EQ(GetLastError(), 0u);
}

}  // namespace
