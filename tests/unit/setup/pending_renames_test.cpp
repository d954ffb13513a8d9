#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_windows.h"
#include "file_bytes.h"
#include "pending_renames.h"
#include "temp_dir.h"

namespace {

const std::string kUninstaller = "C:\\WINDOWS\\system32\\unquill.exe";

std::vector<BYTE> Data(const std::string& text) { return std::vector<BYTE>(text.begin(), text.end()); }

std::string Text(const std::vector<BYTE>& data) { return std::string(data.begin(), data.end()); }

std::string Pair(const std::string& source, const std::string& destination) {
  return source + '\0' + destination + '\0';
}

std::string Removed(std::string text) {
  std::vector<BYTE> value = Data(text);
  RemoveRenamePairs(value, kUninstaller);
  return Text(value);
}

TEST(RemoveRenamePairs, DropsTheUninstallersPairsAndKeepsTheOthersInOrder) {
  const std::string first = Pair("C:\\a.tmp", "C:\\a.dll");
  const std::string third = Pair("C:\\c.tmp", "");
  EXPECT_EQ(Removed(first + Pair(kUninstaller, "") + third + '\0'), first + third + '\0');
  // Several in a row, with and without a destination, at the start and at the end.
  EXPECT_EQ(Removed(Pair(kUninstaller, "") + Pair(kUninstaller, "C:\\x.exe") + first + Pair(kUninstaller, "") + '\0'),
            first + '\0');
  // A pair whose destination is the uninstaller stays: only sources count.
  const std::string destination = Pair("C:\\new.exe", kUninstaller);
  EXPECT_EQ(Removed(destination + '\0'), destination + '\0');
}

TEST(RemoveRenamePairs, LeavesValuesWithoutTheUninstallerUnchanged) {
  const std::string value = Pair("C:\\a.tmp", "") + Pair("C:\\b.tmp", "C:\\b.dll") + '\0';
  EXPECT_EQ(Removed(value), value);
  EXPECT_EQ(Removed(""), "");
  EXPECT_EQ(Removed(std::string(1, '\0')), std::string(1, '\0'));
  // Compared case-sensitively and whole.
  EXPECT_EQ(Removed(Pair("c:\\windows\\system32\\unquill.exe", "") + '\0'),
            Pair("c:\\windows\\system32\\unquill.exe", "") + '\0');
  EXPECT_EQ(Removed(Pair(kUninstaller + ".old", "") + '\0'), Pair(kUninstaller + ".old", "") + '\0');
}

TEST(RemoveRenamePairs, StopsAtTheEmptySource) {
  const std::string after = Pair(kUninstaller, "");
  EXPECT_EQ(Removed(std::string(1, '\0') + after), std::string(1, '\0') + after);
}

TEST(RemoveRenamePairs, NeverReadsPastMalformedData) {
  // No terminating NULs at all, or a source cut short: the walk ends, the data stays.
  EXPECT_EQ(Removed(kUninstaller), kUninstaller);
  EXPECT_EQ(Removed(Pair("C:\\a", "") + "C:\\WINDOWS"), Pair("C:\\a", "") + "C:\\WINDOWS");
  // The uninstaller's pair at the very end, its destination unterminated or missing.
  EXPECT_EQ(Removed(Pair("C:\\a", "") + kUninstaller + '\0' + "C:\\dest"), Pair("C:\\a", ""));
  EXPECT_EQ(Removed(Pair("C:\\a", "") + kUninstaller + '\0'), Pair("C:\\a", ""));
  // Odd sizes.
  EXPECT_EQ(Removed(std::string("x\0y", 3)), std::string("x\0y", 3));
}

TEST(RemoveRenamePairs, HandlesAValueFillingTheWholeWorkBuffer) {
  // 4096 bytes and not one NUL: the walk must stop at the value's end.
  std::vector<BYTE> full(4096, 'a');
  RemoveRenamePairs(full, kUninstaller);
  EXPECT_EQ(full.size(), 4096u);
  // 4096 bytes ending with the uninstaller's pair, its destination running to the end.
  std::string value = Pair("C:\\keep", "");
  value += kUninstaller + '\0';
  value += std::string(4096 - value.size(), 'd');
  std::vector<BYTE> data = Data(value);
  RemoveRenamePairs(data, kUninstaller);
  EXPECT_EQ(Text(data), Pair("C:\\keep", ""));
}

const std::string kSessionManager = "hklm\\system\\currentcontrolset\\control\\session manager";

class PendingRenamesOnNt : public testing::Test {
 protected:
  FakeWindowsScope fake;

  void StoreValue(DWORD type, const std::string& data) {
    Fake().registry[kSessionManager]["PendingFileRenameOperations"] = FakeValue{type, Data(data)};
  }
  const FakeValue* StoredValue() const {
    return Fake().Value(kSessionManager, "PendingFileRenameOperations");
  }
};

TEST_F(PendingRenamesOnNt, WritesTheValueBackWithItsTypeAndShorterSize) {
  const std::string first = Pair("C:\\a.tmp", "C:\\a.dll");
  const std::string third = Pair("C:\\c.tmp", "");
  StoreValue(REG_MULTI_SZ, first + Pair(kUninstaller, "") + third + '\0');
  CancelPendingDeletion(true, kUninstaller);
  ASSERT_NE(StoredValue(), nullptr);
  EXPECT_EQ(StoredValue()->type, static_cast<DWORD>(REG_MULTI_SZ));
  EXPECT_EQ(Text(StoredValue()->data), first + third + '\0');
  EXPECT_EQ(Fake().Entries("RegOpenKeyEx")[0], "RegOpenKeyEx " + kSessionManager + " all-access");
  EXPECT_EQ(Fake().Entries("RegQueryValueEx")[0],
            "RegQueryValueEx " + kSessionManager + " PendingFileRenameOperations 4096");
  EXPECT_TRUE(Fake().openKeys.empty());
}

TEST_F(PendingRenamesOnNt, WritesAnUnchangedValueBackAsItWasWhateverItsType) {
  StoreValue(REG_BINARY, Pair("C:\\a.tmp", "") + '\0');
  CancelPendingDeletion(true, kUninstaller);
  EXPECT_EQ(StoredValue()->type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(Text(StoredValue()->data), Pair("C:\\a.tmp", "") + '\0');
  EXPECT_EQ(Fake().Entries("RegSetValueEx").size(), 1u);
}

TEST_F(PendingRenamesOnNt, SkipsAMissingKeyAMissingValueAndAValueLargerThanTheBuffer) {
  CancelPendingDeletion(true, kUninstaller);
  EXPECT_TRUE(Fake().Entries("RegQueryValueEx").empty());

  Fake().registry[kSessionManager];
  CancelPendingDeletion(true, kUninstaller);
  EXPECT_TRUE(Fake().Entries("RegSetValueEx").empty());

  StoreValue(REG_MULTI_SZ, std::string(4097, 'a'));
  CancelPendingDeletion(true, kUninstaller);
  EXPECT_TRUE(Fake().Entries("RegSetValueEx").empty());
  EXPECT_EQ(StoredValue()->data.size(), 4097u);
  EXPECT_TRUE(Fake().openKeys.empty());
}

TEST_F(PendingRenamesOnNt, NeverTouchesWininit) {
  StoreValue(REG_MULTI_SZ, "");
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
