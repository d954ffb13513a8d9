#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "pending_rename_walk.h"
#include "rename_values.h"

namespace {

const std::vector<std::u16string> kForms = {kWideUninstaller, u"\\??\\" + kWideUninstaller};

std::vector<std::uint8_t> Removed(const std::vector<std::uint8_t>& data, bool expectRemoval) {
  std::vector<std::uint8_t> value = data;
  EXPECT_EQ(RemoveRenamePairs(value, kForms), expectRemoval);
  return value;
}

std::vector<std::uint8_t> Removed(const std::u16string& text, bool expectRemoval) {
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
  std::vector<std::uint8_t> odd = Data(Pair(kWideUninstaller, u"") + Pair(u"C:\\b", u""));
  odd.push_back(0x41);
  std::vector<std::uint8_t> expected = Data(Pair(u"C:\\b", u""));
  expected.push_back(0x41);
  EXPECT_EQ(Removed(odd, true), expected);
  EXPECT_EQ(Removed(std::vector<std::uint8_t>{0x43}, false), std::vector<std::uint8_t>{0x43});
}

}  // namespace
