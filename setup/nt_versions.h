#pragma once

#include <windows.h>

// The installer's finer tests of the NT family, on the version word of GetVersion.
bool IsWinNT4(DWORD versionWord);   // any 4.x
bool IsWin2000(DWORD versionWord);  // 5.0
bool IsWinXP(DWORD versionWord);    // 5.1
bool IsWin2003(DWORD versionWord);  // 5.2
