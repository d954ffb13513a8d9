#pragma once

#include <windows.h>

#include "wnd.h"

class CDataExchange;

// A dialog from a template: modal (DoModal) or modeless (Create). Its combo boxes get
// the item lists stored with the template, its members move to and from the controls
// through DoDataExchange.
class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId) : m_templateId(templateId) {}

  // Runs the dialog modally, owned by the last active popup of `owner` (of the main window
  // when null; CModalOwner); IDOK, IDCANCEL or -1 when the dialog cannot be made.
  INT_PTR DoModal(CWnd* owner = nullptr);
  // Creates the dialog modelessly, owned by `owner`.
  bool Create(CWnd* owner);

  // Takes the values from the controls (true) or shows them (false); false when a value
  // was refused.
  bool UpdateData(bool saveAndValidate);

  bool PreTranslateMessage(MSG* msg) override;

 protected:
  virtual void DoDataExchange(CDataExchange* dx) { (void)dx; }
  // Fills the lists from the template and shows the members; TRUE lets the system set
  // the focus.
  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // A command from a control or menu (BN_CLICKED and menu commands reach OnCmdMsg).
  virtual bool OnCommand(UINT id, UINT code);
  // Closes a modal dialog with `result`; hides a modeless one.
  void EndDialog(int result);
  // The dialog manager does the default handling: a dialog procedure returns 0 instead.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void ExecuteDlgInit();

  UINT m_templateId;
  bool m_modal = false;
};
