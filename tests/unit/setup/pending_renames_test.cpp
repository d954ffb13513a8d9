#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_windows.h"
#include "file_bytes.h"
#include "pending_rename_walk.h"
#include "pending_renames.h"
#include "temp_dir.h"

namespace {

const std::string kUninstaller = "C:\\WINDOWS\\system32\\unquill.exe";
const std::u16string kWideUninstaller = u"C:\\WINDOWS\\system32\\unquill.exe";
const std::vector<std::u16string> kForms = {kWideUninstaller, u"\\??\\" + kWideUninstaller};

// UTF-16LE bytes of a text that may hold 0 units.
std::vector<BYTE> Data(const std::u16string& text) {
  std::vector<BYTE> bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<BYTE>(unit & 0xFF));
    bytes.push_back(static_cast<BYTE>(unit >> 8));
  }
  return bytes;
}

std::u16string Pair(const std::u16string& source, const std::u16string& destination) {
  return source + u'\0' + destination + u'\0';
}

std::vector<BYTE> Removed(const std::vector<BYTE>& data, bool expectRemoval) {
  std::vector<BYTE> value = data;
  EXPECT_EQ(RemoveRenamePairs(value, kForms), expectRemoval);
  return value;
}

std::vector<BYTE> Removed(const std::u16string& text, bool expectRemoval) {
  return Removed(Data(text), expectRemoval);
}

TEST(RemoveRenamePairs, DropsTheUninstallersPairsInEitherFormAndKeepsTheOthersInOrder) {
  const std::u16string first = Pair(u"\\??\\C:\\a.tmp", u"!\\??\\C:\\a.dll");
  const std::u16string third = Pair(u"C:\\c.tmp", u"");
  EXPECT_EQ(Removed(first + Pair(kWideUninstaller, u"") + third + u'\0', true), Data(first + third + u'\0'));
  EXPECT_EQ(Removed(first + Pair(u"\\??\\" + kWideUninstaller, u"") + third + u'\0', true),
            Data(first + third + u'\0'));
  // Several in a row, with and without a destination, at the start and at the end, in
  // another letter case.
  EXPECT_EQ(Removed(Pair(kWideUninstaller, u"") + Pair(u"\\??\\c:\\windows\\SYSTEM32\\unquill.exe", u"C:\\x.exe") +
                        first + Pair(kWideUninstaller, u"") + u'\0',
                    true),
            Data(first + u'\0'));
  // A pair whose destination is the uninstaller stays: only sources count.
  const std::u16string destination = Pair(u"C:\\new.exe", kWideUninstaller);
  EXPECT_EQ(Removed(destination + u'\0', false), Data(destination + u'\0'));
}

TEST(RemoveRenamePairs, LeavesEveryOtherEntryByteForByte) {
  // Characters outside any code page, and units whose high byte is 0 or whose low byte is.
  const std::u16string foreign =
      Pair(u"\\??\\C:\\\u65E5\u672C\\\u0416.tmp", u"\\??\\C:\\\u0100\u4E00.dll") + Pair(u"C:\\\U0001F600", u"");
  EXPECT_EQ(Removed(foreign + u'\0', false), Data(foreign + u'\0'));
  EXPECT_EQ(Removed(foreign + Pair(kWideUninstaller, u"") + u'\0', true), Data(foreign + u'\0'));
  EXPECT_EQ(Removed(u"", false), Data(u""));
  // Compared whole: a longer name or one with the prefix elsewhere is another file.
  const std::u16string longer = Pair(kWideUninstaller + u".old", u"") + Pair(u"\\??\\\\??\\" + kWideUninstaller, u"");
  EXPECT_EQ(Removed(longer + u'\0', false), Data(longer + u'\0'));
}

TEST(RemoveRenamePairs, StopsAtTheEmptySource) {
  const std::u16string after = Pair(kWideUninstaller, u"");
  EXPECT_EQ(Removed(u'\0' + after, false), Data(u'\0' + after));
}

TEST(RemoveRenamePairs, NeverReadsPastMalformedData) {
  // No terminating 0 at all, or a source cut short: the walk ends, the data stays.
  EXPECT_EQ(Removed(kWideUninstaller, false), Data(kWideUninstaller));
  EXPECT_EQ(Removed(Pair(u"C:\\a", u"") + u"C:\\WINDOWS", false), Data(Pair(u"C:\\a", u"") + u"C:\\WINDOWS"));
  // The uninstaller's pair at the very end, its destination unterminated or missing.
  EXPECT_EQ(Removed(Pair(u"C:\\a", u"") + kWideUninstaller + u'\0' + u"C:\\dest", true), Data(Pair(u"C:\\a", u"")));
  EXPECT_EQ(Removed(Pair(u"C:\\a", u"") + kWideUninstaller + u'\0', true), Data(Pair(u"C:\\a", u"")));
  // An odd byte at the end stays where it is; so does a lone byte.
  std::vector<BYTE> odd = Data(Pair(kWideUninstaller, u"") + Pair(u"C:\\b", u""));
  odd.push_back(0x41);
  std::vector<BYTE> expected = Data(Pair(u"C:\\b", u""));
  expected.push_back(0x41);
  EXPECT_EQ(Removed(odd, true), expected);
  EXPECT_EQ(Removed(std::vector<BYTE>{0x43}, false), std::vector<BYTE>{0x43});
}

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
  WritePrivateProfileStringA("Rename", "NUL", kUninstaller.c_str(), wininit.c_str());
  WritePrivateProfileStringA("Rename", "C:\\new.dll", "C:\\old.dll", wininit.c_str());
  SetLastError(5);
  CancelPendingDeletion(false, kUninstaller);
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
