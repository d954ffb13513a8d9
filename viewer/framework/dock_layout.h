// Where a control bar goes: the edge a drop selects and the rectangles of the frame's
// bars and view. Pure arithmetic, so the rules can be checked without windows.
#pragma once

#include <windows.h>

enum class DockSide { Top, Bottom, Left, Right, Floating };

// The CBRS_ALIGN_ flag of a side; 0 for a floating bar.
DWORD AlignFlag(DockSide side);
// Top, bottom and floating bars lay their buttons out in a row, left and right ones in a
// column.
bool IsHorizontal(DockSide side);

// `wanted` when the CBRS_ALIGN_ flags `allowed` allow it, else the first they allow of
// top, bottom, left and right; Floating when they allow none.
DockSide FirstAllowedSide(DockSide wanted, DWORD allowed);

// The side of `area` whose edge `point` is within `reach` of, inside or outside, among the
// `allowed` CBRS_ALIGN_ sides: `current` while it qualifies (a bar nudged along its own
// edge stays there), else the nearest. Floating when no edge is near.
DockSide DropSide(const RECT& area, POINT point, DWORD allowed, int reach, DockSide current);

// The strip `thickness` deep that a bar docked on `side` takes from `area`.
RECT DockedBarRect(const RECT& area, DockSide side, int thickness);

struct FrameLayout {
  RECT bar;
  RECT status;
  RECT view;
};

// The status bar, `statusHeight` high, across the bottom of `client`; a docked bar of
// `barThickness` (0 for none, an empty strip) along `side` of the rest; the view in what
// remains.
FrameLayout LayOutFrame(const RECT& client, int statusHeight, DockSide side, int barThickness);
