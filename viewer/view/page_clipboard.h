#pragma once

#include <windows.h>

#include "page_store.h"

// The page drawn at nWidth x nHeight pixels on white, as a bitmap compatible with the
// screen; nullptr when it cannot be made. The caller owns it.
HBITMAP RenderPageBitmap(const PageEntry& page);

// Puts the page on the clipboard as a bitmap; dropped silently when the clipboard is busy.
void CopyPageToClipboard(const PageEntry& page);
