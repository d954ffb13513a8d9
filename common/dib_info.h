#pragma once

#include <windows.h>

// The header of a 32-bit top-down DIB of the given size: a memory DC takes that depth
// whatever the screen's, and rows run in reading order.
inline BITMAPINFO TopDown32BitInfo(int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}
