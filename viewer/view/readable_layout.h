#pragma once

#include <vector>

#include "page_measure.h"

// Text smaller than this on paper is hard to read.
constexpr double kSmallestReadablePoints = 6;
// Whether text of `points` on paper reads; the pane shows one decimal, so text shown as
// 6.0 pt does.
bool IsReadable(double points);

// Room left around the ink of all pages when margins are trimmed, 0.01 mm: enough that a
// frame or separator drawn at a cell's edge keeps clear of the ink at 16 pages a sheet.
constexpr double kTrimMargin = 600;

// The box every page of the job is drawn from when margins are trimmed: the ink of all
// pages with a small margin, so pages keep their size relative to each other. Empty (draw
// whole pages) when no page has ink or one page's ink is unknown.
InkBox JobTrimBox(const std::vector<PageMeasure>& pages);

// The part of a page that fills its cell: the trim box held to the page's frame, or the
// whole frame when the box is empty or misses the page.
InkBox SourceBox(const PageMeasure& page, const InkBox& trim);

// The em height in points on paper of a page's smallest text drawn from `trim` and turned
// by `quarterTurns` into a cell of cellWidth x cellHeight tenths of a millimetre; 0 when
// the page has no text.
double SmallestTextPoints(const PageMeasure& page, const InkBox& trim, int quarterTurns,
                          double cellWidth, double cellHeight);

// One pages-per-sheet choice and the size of its cells on its paper, tenths of a mm.
struct LayoutCells {
  int pagesPerSheet;
  double cellWidth, cellHeight;
};

struct ReadableChoice {
  int pagesPerSheet = 1;
  // False when no choice keeps the text readable, even one page a sheet.
  bool readable = true;
};

// The choice with the most pages a sheet whose smallest text on every page stays at or
// above kSmallestReadablePoints; one page a sheet, not readable, when none does.
// `turns` gives each page's quarter turns.
ReadableChoice ChooseReadableLayout(const std::vector<LayoutCells>& layouts,
                                    const std::vector<PageMeasure>& pages,
                                    const std::vector<int>& turns, const InkBox& trim);
