#include "options_dlg.h"

#include "resource.h"

COptionsDlg::COptionsDlg() : CDialog(IDD_OPTIONS) {}
