#include "nt_versions.h"

#include "windows_family.h"

namespace {

DWORD MajorVersion(DWORD versionWord) { return versionWord & 0xFF; }
DWORD MinorVersion(DWORD versionWord) { return (versionWord >> 8) & 0xFF; }

bool IsNtVersion(DWORD versionWord, DWORD major, DWORD minor) {
  return IsWinNT(versionWord) && MajorVersion(versionWord) == major && MinorVersion(versionWord) == minor;
}

}  // namespace

bool IsWinNT4(DWORD versionWord) { return IsWinNT(versionWord) && MajorVersion(versionWord) == 4; }

bool IsWin2000(DWORD versionWord) { return IsNtVersion(versionWord, 5, 0); }

bool IsWinXP(DWORD versionWord) { return IsNtVersion(versionWord, 5, 1); }

bool IsWin2003(DWORD versionWord) { return IsNtVersion(versionWord, 5, 2); }
