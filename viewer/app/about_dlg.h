#pragma once

#include "dialog.h"

// "About folium": the icon, the version line and OK.
class CAboutDlg : public CDialog {
 public:
  CAboutDlg();
};
