#pragma once

#include <string>

#include <windows.h>

// Deletes a file now or, when it is in use or is the running program itself, at the next
// start of Windows: through MoveFileExA on NT, through wininit.ini on 9x (Windows 95 has no
// MoveFileExA). ERROR_SUCCESS when the file is gone, missing, or will go at the next start;
// the error of the deletion that could not be arranged otherwise.
DWORD RemoveFileNowOrAtRestart(const std::string& path, bool isNt, bool isRunningProgram);
