#include "cmd_ui.h"

void CMenuCmdUI::Enable(bool on) {
  EnableMenuItem(m_menu, m_index, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
}

void CMenuCmdUI::SetCheck(int check) {
  CheckMenuItem(m_menu, m_index, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
}
