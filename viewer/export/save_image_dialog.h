#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

#include "app_profile.h"

// Asks for the name of the first image file in the save dialog, opened at the remembered
// folder (Windows profile) with the remembered filter (`profile`, the application's). Returns the full path, or "" when cancelled. OK
// remembers the chosen folder and filter; Cancel changes neither.
std::string AskSaveImageName(HWND owner, const CAppProfile& profile);

using SaveFileDialog = BOOL(WINAPI*)(OPENFILENAMEA* request);
// Installs a replacement for GetSaveFileNameA (nullptr restores it) and returns the
// previous one.
SaveFileDialog SetSaveFileDialog(SaveFileDialog dialog);
