#pragma once

#include <string>

#include <windows.h>

// What every step of the installation reads, set once at start.
struct InstallerState {
  HINSTANCE instance = nullptr;  // for the string table
  bool isNt = false;
  bool quiet = false;            // any command-line argument: ShowSetupError stays silent
  std::string caption;           // string 401: message caption and uninstall display name
  std::string monitorName;       // string 103
};

// Reads the version word, the quiet flag and the two strings.
InstallerState LoadInstallerState(HINSTANCE instance, const char* commandLine);

// A string of the table, cut to `capacity` bytes with the terminating NUL, at a character
// boundary of the ANSI code page.
std::string LoadResourceString(HINSTANCE instance, UINT id, int capacity);
