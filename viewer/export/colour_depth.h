#pragma once

#include <windows.h>

// A device's colour format as GetDeviceCaps reports it.
struct ColourDepth {
  int bitsPerPixel = 0;
  int planes = 0;
};

// The colour depth of `dc`, or of the screen when `dc` is null.
ColourDepth ReadColourDepth(HDC dc);

using ColourDepthSource = ColourDepth (*)(HDC dc);
// Installs a replacement (nullptr restores GetDeviceCaps) and returns the previous one, so
// tests can render as on a display of any depth.
ColourDepthSource SetColourDepthSource(ColourDepthSource source);
