#include "goto_page_dlg.h"

#include "data_exchange.h"
#include "resource.h"

namespace {

constexpr int kGotoInfoMaxChars = 200;

}  // namespace

CGotoPageDlg::CGotoPageDlg() : CDialog(IDD_GOTO_PAGE) {}

void CGotoPageDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_GOTO_NUMBER, pageNumber);
  DDX_Text(dx, IDC_GOTO_INFO, infoText, kGotoInfoMaxChars);
}
