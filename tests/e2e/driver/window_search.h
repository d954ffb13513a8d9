#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Polls `found` every 50 ms until it holds or `timeoutMs` has passed.
bool WaitFor(const std::function<bool()>& found, int timeoutMs);

// A visible top-level window owned by `owner` with this caption.
HWND FindOwnedWindow(HWND owner, const char* caption);

// A visible message box (dialog class) showing `text` in one of its static controls.
// Message boxes by their text; a text ending in '*' matches every text that begins with
// the rest, "*part*" every text holding the part.
HWND FindMessageBox(const char* text);
int CountMessageBoxes(const char* text);

// Copies the window's pixels, frame included, into a 24-bit BMP file.
bool CaptureWindowToBmp(HWND hwnd, const char* path);
