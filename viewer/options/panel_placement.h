#pragma once

#include <windows.h>

// The options panel stands 200 pixels left of the screen's right edge and 150 pixels
// below its top.
constexpr int kPanelRightGap = 200;
constexpr int kPanelTop = 150;

POINT OptionsPanelPosition(int screenWidth, int panelWidth);
