#pragma once

#include <string>

#include "dialog.h"

// Asks for a watermark's name under a prompt the caller sets; on OK nameText holds what
// was typed, exactly as typed.
class CNameDlg : public CDialog {
 public:
  CNameDlg();

  std::string nameText;
  std::string promptText;

 protected:
  void DoDataExchange(CDataExchange* dx) override;
};
