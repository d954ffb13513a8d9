#pragma once

#include <windows.h>

// Windows family tests on the version word of GetVersion: bit 31 set on the 9x family,
// low byte the major version, next byte the minor version.
bool IsWinNT(DWORD versionWord);
bool IsWin95(DWORD versionWord);
bool IsWin98(DWORD versionWord);  // Windows 98 and Me

// The running system's version word; tests replace its source to run each family's route.
DWORD CurrentVersionWord();

using VersionWordSource = DWORD (*)();
// Installs a new source (nullptr restores GetVersion) and returns the previous one.
VersionWordSource SetVersionWordSource(VersionWordSource source);
