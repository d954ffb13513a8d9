#pragma once

#include <string>

#include "dialog.h"

// "Go to a special page": asks for the number (from 1) of the sheet to show.
class CGotoPageDlg : public CDialog {
 public:
  CGotoPageDlg();

  int pageNumber = 1;
  // The line above the entry field; at most 200 characters are exchanged.
  std::string infoText;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
};
