#include "print_dialog.h"

#include "printer_settings.h"
#include "win_app.h"
#include "wnd.h"

namespace {

PrintDialogFunction g_printDialog = PrintDlgA;

// The settings blocks a dialog request carries; the dialog may have replaced them.
class CDialogBlocks {
 public:
  explicit CDialogBlocks(PRINTDLGA& request) : m_request(request) {}
  ~CDialogBlocks() {
    if (m_request.hDevMode) GlobalFree(m_request.hDevMode);
    if (m_request.hDevNames) GlobalFree(m_request.hDevNames);
    m_request.hDevMode = nullptr;
    m_request.hDevNames = nullptr;
  }
  CDialogBlocks(const CDialogBlocks&) = delete;
  CDialogBlocks& operator=(const CDialogBlocks&) = delete;

 private:
  PRINTDLGA& m_request;
};

}  // namespace

bool RunPrintDialog(PRINTDLGA& request) {
  request.lStructSize = sizeof request;
  CWnd* owner = AfxGetMainWnd();
  request.hwndOwner = owner ? owner->m_hWnd : nullptr;
  CPrinterSettings& settings = AppPrinterSettings();
  settings.FillDialogRequest(request);
  CDialogBlocks blocks(request);
  if (!g_printDialog(&request)) return false;
  settings.StoreDialogChoice(request);
  return true;
}

PrintDialogFunction SetPrintDialog(PrintDialogFunction dialog) {
  PrintDialogFunction previous = g_printDialog;
  g_printDialog = dialog ? dialog : PrintDlgA;
  return previous;
}
