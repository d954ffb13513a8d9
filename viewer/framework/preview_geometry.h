// The print preview's arithmetic: where the paper of each shown page lies at each zoom,
// how far the window scrolls, where a zoom click leads, and which pages and buttons
// apply. Pure, so the rules can be checked without windows.
#pragma once

#include <windows.h>

#include <string>

enum class PreviewZoom { Whole, Closer, Closest };

PreviewZoom ZoomedIn(PreviewZoom zoom);
PreviewZoom ZoomedOut(PreviewZoom zoom);

// A printed page as its printer describes it, in the printer's device units.
struct PrinterPage {
  // The physical sheet.
  SIZE paper;
  // The unprintable margins on the left and at the top.
  POINT offset;
  // The printable area: HORZRES by VERTRES.
  SIZE printable;
};

// A sheet of `tenthsMm` that prints to its edges, measured in tenths of a millimetre:
// what the preview shows when there is no printer to imitate.
PrinterPage MarginlessPaper(SIZE tenthsMm);

// The papers of the shown pages in the scrolled extent's coordinates.
struct PreviewLayout {
  SIZE total;
  RECT papers[2];
  int count;
};

// Space around the papers, wide enough for their shadows.
constexpr int kPreviewMargin = 12;
constexpr int kPreviewShadow = 4;

// One or two papers side by side in a window of `client`: at the whole-page zoom they fit
// the window (no scrolling); closer zooms are 2 and 4 times that size, centred while
// smaller than the window and scrolling beyond it.
PreviewLayout LayOutPreview(SIZE client, SIZE paper, int pagesShown, PreviewZoom zoom);

// Where the printable area of `page` lies on its paper's rectangle on screen.
RECT PrintableRectOnScreen(const RECT& paperRect, const PrinterPage& page);

// The scroll position after a zoom from `before` (scrolled to `scroll`) to `after` that
// brings the paper point under `click` (client coordinates) to the window's centre; with
// no click, or one beside the papers, the first paper's centre. Within the scroll range.
POINT ScrollAfterZoom(const PreviewLayout& before, POINT scroll, const POINT* click,
                      const PreviewLayout& after, SIZE client);

// How many pages show from `current` on: two side by side while both exist.
int PagesShown(UINT current, UINT maxPage, bool twoPages);
bool CanShowNextPage(UINT current, UINT maxPage, bool twoPages);
bool CanShowPrevPage(UINT current, UINT minPage);
// The One/Two Page button: back to one page always, two pages once there are two.
bool CanTogglePages(UINT minPage, UINT maxPage, bool twoPages);
// The page shown first after a change of range or of one/two pages: within the range,
// and with two pages the last two rather than the last alone.
UINT ClampCurrentPage(UINT current, UINT minPage, UINT maxPage, bool twoPages);

// The status bar's text: "Page N", or "Pages N-M" with two pages shown.
std::string PreviewStatusText(UINT current, int shown);
