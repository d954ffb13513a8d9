#pragma once

#include <windows.h>

// The arithmetic of a scrolling view, kept apart from the window so it can be tested.

// Page and line steps for a scroll extent when none are given: a page is a tenth of the
// extent, a line a tenth of a page, neither less than 1.
struct ScrollSteps {
  SIZE page;
  SIZE line;
};
ScrollSteps DefaultScrollSteps(SIZE total, SIZE page, SIZE line);

// The highest scroll position that still fills a client of `client` pixels.
int MaxScrollPosition(int total, int client);

// The position a scroll-bar request (SB_LINEUP, SB_PAGEDOWN, SB_THUMBTRACK, ...) leads to,
// within 0 and `maxPosition`.
int ScrollPositionFor(int request, int current, int thumb, int line, int page, int maxPosition);

// The distance one wheel movement scrolls: `linesPerNotch` lines per 120 units of delta
// (a whole page for WHEEL_PAGESCROLL), never more than a page per notch; positive
// delta scrolls up (negative result).
int WheelScrollDistance(int delta, UINT linesPerNotch, int line, int page);
