#include "name_dlg.h"

#include "data_exchange.h"
#include "resource.h"

CNameDlg::CNameDlg() : CDialog(IDD_NAME) {}

void CNameDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_NAME_TEXT, nameText);
  DDX_Text(dx, IDC_NAME_PROMPT, promptText);
}
