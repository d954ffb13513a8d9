#pragma once

#include <windows.h>

class CToolBar;

// Drags `bar` from `start` (screen) while the left button is held: an outline follows the
// mouse showing where the bar would land. Let go near an edge of the frame's docking area,
// the bar docks there; elsewhere it floats there. A click that does not move, Escape, the
// right button or a lost capture leave it where it was.
void DragControlBar(CToolBar& bar, POINT start);
