#pragma once

#include <windows.h>

// Every message box of both programs goes through here, so tests can answer it.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

using MessageBoxHook = int (*)(HWND owner, const char* text, const char* caption, UINT type);
// Installs a replacement (nullptr restores MessageBoxA) and returns the previous one.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
