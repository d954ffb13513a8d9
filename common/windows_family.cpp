#include "windows_family.h"

namespace {

constexpr DWORD kWin9xBit = 0x80000000u;

DWORD SystemVersionWord() { return GetVersion(); }

VersionWordSource g_versionWordSource = SystemVersionWord;

DWORD MinorVersion(DWORD versionWord) { return (versionWord >> 8) & 0xFF; }

}  // namespace

bool IsWinNT(DWORD versionWord) { return (versionWord & kWin9xBit) == 0; }

bool IsWin95(DWORD versionWord) { return !IsWinNT(versionWord) && MinorVersion(versionWord) == 0; }

bool IsWin98(DWORD versionWord) { return !IsWinNT(versionWord) && MinorVersion(versionWord) != 0; }

DWORD CurrentVersionWord() { return g_versionWordSource(); }

VersionWordSource SetVersionWordSource(VersionWordSource source) {
  VersionWordSource previous = g_versionWordSource;
  g_versionWordSource = source ? source : SystemVersionWord;
  return previous;
}
