#include <gtest/gtest.h>

#include "windows_family.h"

namespace {

// Version words as GetVersion returns them on each family.
constexpr DWORD kWin95 = 0xC3B60004;    // 4.0, bit 31 set
constexpr DWORD kWin98 = 0xC0000A04;    // 4.10
constexpr DWORD kWinMe = 0xC0005A04;    // 4.90
constexpr DWORD kNt4 = 0x05650004;      // 4.0
constexpr DWORD kWinXp = 0x0A280105;    // 5.1
constexpr DWORD kWin2003 = 0x0ECE0205;  // 5.2

TEST(WindowsFamily, NineXWordsAreNotNtAndSplitOnTheMinorVersion) {
  EXPECT_FALSE(IsWinNT(kWin95));
  EXPECT_TRUE(IsWin95(kWin95));
  EXPECT_FALSE(IsWin98(kWin95));
  for (DWORD word : {kWin98, kWinMe}) {
    EXPECT_FALSE(IsWinNT(word));
    EXPECT_FALSE(IsWin95(word));
    EXPECT_TRUE(IsWin98(word));
  }
}

TEST(WindowsFamily, NtWordsAreNeither95Nor98WhateverTheirMinorVersion) {
  for (DWORD word : {kNt4, kWinXp, kWin2003}) {
    EXPECT_TRUE(IsWinNT(word));
    EXPECT_FALSE(IsWin95(word));
    EXPECT_FALSE(IsWin98(word));
  }
}

DWORD FakeWin98() { return kWin98; }

TEST(WindowsFamily, TheVersionSourceCanBeReplacedAndRestored) {
  const DWORD real = CurrentVersionWord();
  const VersionWordSource previous = SetVersionWordSource(FakeWin98);
  EXPECT_EQ(CurrentVersionWord(), kWin98);
  SetVersionWordSource(previous);
  EXPECT_EQ(CurrentVersionWord(), real);
  EXPECT_EQ(real, GetVersion());
}

}  // namespace
