#include "panel_placement.h"

POINT OptionsPanelPosition(int screenWidth, int panelWidth) {
  return POINT{screenWidth - panelWidth - kPanelRightGap, kPanelTop};
}
