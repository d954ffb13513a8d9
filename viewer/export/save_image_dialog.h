#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

// The application profile's integer values (the framework's application profile), where
// the last chosen filter is kept.
class AppProfileIntegers {
 public:
  virtual ~AppProfileIntegers() = default;
  virtual UINT GetInt(const char* section, const char* entry, int defaultValue) const = 0;
  virtual bool WriteInt(const char* section, const char* entry, int value) const = 0;
};

// Asks for the name of the first image file in the save dialog, opened at the remembered
// folder with the remembered filter. Returns the full path, or "" when cancelled. OK
// remembers the chosen folder and filter; Cancel changes neither.
std::string AskSaveImageName(HWND owner, const AppProfileIntegers& profile);

using SaveFileDialog = BOOL(WINAPI*)(OPENFILENAMEA* request);
// Installs a replacement for GetSaveFileNameA (nullptr restores it) and returns the
// previous one.
SaveFileDialog SetSaveFileDialog(SaveFileDialog dialog);
