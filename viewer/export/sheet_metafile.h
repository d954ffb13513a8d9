#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "sheet_raster.h"

// Records sheet `sheet` as an enhanced metafile: drawn by `draw` exactly as into a picture
// of `pixels` at `dpi` (the same rectangle, pens, insets and font sizes in the screen's
// device units, so text is measured at the size it is drawn), the pages played into it
// kept as their own records. The frame states what those units measure on the screen, so
// the frame is the drawing, not the paper: whoever places it gives it the sheet's size.
// The metafile is the caller's; nullptr when none can be made.
HENHMETAFILE RecordSheet(const SheetDrawer& draw, int sheet, SIZE pixels, int dpi);

// The metafile's bytes; false when they cannot be had.
bool MetafileBytes(HENHMETAFILE metafile, std::vector<std::uint8_t>& bytes);
