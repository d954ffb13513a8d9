#pragma once

#include <windows.h>

// Exit codes of setup.exe.
constexpr int kSetupCompleted = 0;  // also after a reported failure of a later step
constexpr int kSetupStopped = 1;    // the monitor list or the system directory could not be read

// The whole installation, step by step; returns the process exit code.
int RunInstallation(HINSTANCE instance, const char* commandLine);
