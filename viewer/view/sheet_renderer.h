#pragma once

#include <windows.h>

#include <vector>

#include "option_settings.h"
#include "page_store.h"
#include "sheet_layout.h"

// Draws sheet `sheet` of the layout into r: the white paper, the pages in their cells with
// their numbers, the border style and the selected watermark record's text (nullptr for
// none). The one drawing routine for screen, preview, printer and export; only r differs.
// Returns FALSE, having drawn nothing, when the sheet holds no page of the list.
BOOL DrawSheet(HDC dc, const RECT& r, const std::vector<PageEntry>& pages,
               const SheetLayout& layout, int sheet, const OptionSettings& options,
               const WatermarkRecord* watermark);

// One page in its cell: its metafile in the page rectangle, then its number.
void DrawPageCell(HDC dc, int pageIndex, const PageEntry& entry, const RECT& cell,
                  const OptionSettings& options);
