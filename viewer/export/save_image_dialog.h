#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "app_profile.h"

// What one save dialog shows and where it remembers its folder (Windows profile) and its
// filter (application profile).
struct SaveDialogKind {
  const char* filter;  // caption and patterns, '|' between, "||" at the end
  const char* title;
  const char* folderKey;
  const char* filterKey;
};

// Asks for a file name in the save dialog, opened at the remembered folder with the
// remembered filter. Returns the full path, or "" when cancelled. OK remembers the chosen
// folder and filter; Cancel changes neither.
std::string AskSaveName(HWND owner, const CAppProfile& profile, const SaveDialogKind& kind);

// The image export's dialog: the name of the first image file.
std::string AskSaveImageName(HWND owner, const CAppProfile& profile);

using SaveFileDialog = BOOL(WINAPI*)(OPENFILENAMEA* request);
// Installs a replacement for GetSaveFileNameA (nullptr restores it) and returns the
// previous one.
SaveFileDialog SetSaveFileDialog(SaveFileDialog dialog);
