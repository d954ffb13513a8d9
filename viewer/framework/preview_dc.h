#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "gdi_holders.h"
#include "preview_geometry.h"

// What the preview imitates of a printer: the page it prints on, and the font its text
// starts in (the printer's own, so that text in it keeps its printed size).
struct PrinterImitation {
  PrinterPage page;
  LOGFONTA font;
};

// A printer, from its device context's capabilities and font.
PrinterImitation ImitatePrinter(HDC printer);
// No printer: a sheet of `tenthsMm` printing to its edges, measured in tenths of a
// millimetre, with the screen's font at its size on screen.
PrinterImitation ImitatePaper(SIZE tenthsMm);

using PrintedPageDrawing = std::function<void(HDC dc)>;

// One printed page drawn as its printer would draw it and scaled to `pixels`, the whole
// paper on screen: white paper, then `drawing` in a device context whose logical units are
// the printer's device units, 0, 0 at the printable area's corner, with the printer's font
// selected. Null when the screen gives no bitmap that large.
std::unique_ptr<CGdiObject<HBITMAP>> RenderPrintedPage(SIZE pixels,
                                                       const PrinterImitation& printer,
                                                       const PrintedPageDrawing& drawing);
