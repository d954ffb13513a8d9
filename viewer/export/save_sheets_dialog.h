#pragma once

#include <windows.h>

#include "app_profile.h"
#include "dialog.h"

struct SheetExportRequest;

// "Save Sheets": resolution, colour or grey, lossless or JPEG PDF pictures. Each value is
// the index of the checked button of its group.
class CSaveSheetsDlg : public CDialog {
 public:
  CSaveSheetsDlg();

  int resolution = 0;
  int grey = 0;
  int smaller = 0;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
};

// Asks for the choices, starting from those last taken (300 dpi, colour, lossless the first
// time), and puts them into `request`; false when cancelled. OK remembers them.
bool AskSheetChoices(HWND owner, const CAppProfile& profile, SheetExportRequest& request);
