#pragma once

#include <windows.h>

#include <vector>

#include "option_settings.h"
#include "page_measures.h"
#include "page_store.h"
#include "sheet_layout.h"

class CPageBitmapCache;

// Draws sheet `sheet` of the layout into r: the white paper, the pages in their cells with
// their numbers, the border style and the selected watermark record's text (nullptr for
// none). The one drawing routine for screen, preview, printer and export; only r differs,
// and the screen passes its cache of rendered pages. Returns FALSE, having drawn nothing,
// when the sheet holds no page of the list.
BOOL DrawSheet(HDC dc, const RECT& r, const std::vector<PageEntry>& pages,
               const SheetLayout& layout, int sheet, const OptionSettings& options,
               const WatermarkRecord* watermark, CPageBitmapCache* cache = nullptr);

// The rectangle of a page turned by `quarterTurns` in its cell (see PageRectInCell): the
// trimmed part of its frame where `trim` trims.
RECT TurnedPageRectInCell(const RECT& cell, const PageEntry& entry, int pageMargins,
                          const PageTrim& trim = PageTrim());

// One page in its cell: its metafile in the page rectangle (from the job's trim box when
// it is not empty), then its number. Left out when the caller clipped dc to an area the
// page cannot reach.
void DrawPageCell(HDC dc, int pageIndex, const PageEntry& entry, const RECT& cell,
                  const OptionSettings& options, CPageBitmapCache* cache = nullptr,
                  const InkBox& jobTrim = InkBox());
