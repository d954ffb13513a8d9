#pragma once

#include <windows.h>

#include <vector>

#include "page_measure.h"
#include "page_store.h"
#include "sheet_layout.h"

// Each page's measure, read from its metafile's bytes the first time it is asked for and
// kept: a page's drawing never changes. Pages are known by their metafile and its header's
// size, count of records and bounds, so a handle the platform hands out again for another
// page is measured anew.
const PageMeasure& MeasureOfPage(HENHMETAFILE metafile);

// The box every page of the list is drawn from with margins trimmed (see JobTrimBox);
// measures every page the first time, then answers from the measures kept.
InkBox JobTrimOf(const std::vector<PageEntry>& pages);

// How a page is drawn from part of its frame: the part, and the frame's size (0.01 mm).
struct PageTrim {
  InkBox source;
  double frameWidth = 0, frameHeight = 0;
  bool Trims() const { return !source.Empty() && frameWidth > 0 && frameHeight > 0; }
};

// The trim of one page under the job's trim box; no trim for an empty box.
PageTrim TrimOfPage(const PageEntry& entry, const InkBox& jobTrim);

// Where the whole frame is played so that the trimmed part fills `shown`; `shown` itself
// without a trim.
RECT PlayedRect(const RECT& shown, const PageTrim& trim);

// The smallest text on a sheet in points on paper (sheetTenths: the paper's size, tenths of
// a mm); 0 when no page of the sheet has text.
double SheetSmallestText(const std::vector<PageEntry>& pages, const SheetLayout& layout,
                         int sheet, SIZE sheetTenths);
