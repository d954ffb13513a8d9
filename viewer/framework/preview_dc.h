#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "gdi_holders.h"
#include "preview_geometry.h"

// The page a printer prints on, from its device context's capabilities.
PrinterPage ReadPrinterPage(HDC printer);

using PrintedPageDrawing = std::function<void(HDC dc)>;

// One printed page drawn as its printer would draw it and scaled to `pixels`, the whole
// paper on screen: white paper, then `drawing` in a device context whose logical units are
// the printer's device units, 0, 0 at the printable area's corner. Null when the screen
// gives no bitmap that large.
std::unique_ptr<CGdiObject<HBITMAP>> RenderPrintedPage(SIZE pixels, const PrinterPage& page,
                                                       const PrintedPageDrawing& drawing);
