#pragma once

#include "dialog.h"

// The modeless options panel "Option Settings". Closing it, Enter and Escape only hide
// it; it lives as long as the main frame.
class COptionsDlg : public CDialog {
 public:
  COptionsDlg();
};
