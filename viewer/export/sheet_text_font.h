#pragma once

#include <windows.h>

// The font a saved sheet's own texts (page numbers, header and footer) start from: the
// screen's default font at the size it has on the screen, so that they read the same at
// every resolution, as a printer's default font does; TrueType, "Arial" in place of a bitmap
// default such as Windows' System font, because a PDF can carry TrueType only and a bitmap
// face scaled to a high resolution breaks up. Its height is in pixels of `dpi`. The caller
// deletes it; nullptr when none can be made.
HFONT CreateSheetTextFont(int dpi);
