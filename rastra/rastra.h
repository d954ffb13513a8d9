#pragma once

/* Rastra.dll converts a BMP file into the image format named by the target's extension:
   .png .jpg .jpeg .tif .tiff .gif .psd .pcx .dcx .tga .dib .pic (PICT) .pcd (Photo CD base
   resolutions), in any letter case. The DLL exports this one function, by ordinal 1 and
   without a name; link the import library and call it by its declared name.

   Calling convention: __stdcall (WINAPI). The target is written through a temporary file in
   its folder and renamed at the end, so a failed call leaves no partial image behind and an
   existing target untouched. The source is closed before the call returns. */

#include <windows.h>

#include "rastra_result.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Export 1. Returns one of RastraResult. */
LONG WINAPI RastraConvertBmp(const char* sourceBmpPath, const char* targetPath);

#ifdef __cplusplus
}
#endif
