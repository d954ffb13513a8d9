#include "dialog.h"

#include <cstring>

#include "data_exchange.h"
#include "framework_ids.h"
#include "modal_owner.h"
#include "win_app.h"

namespace {

HWND OwnerWindow(CWnd* owner) {
  if (owner) return owner->m_hWnd;
  CWnd* main = AfxGetMainWnd();
  return main ? main->m_hWnd : nullptr;
}

}  // namespace

INT_PTR CDialog::DoModal(CWnd* owner) {
  m_modal = true;
  const CModalOwner modalOwner(owner ? owner->m_hWnd : nullptr);
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                         modalOwner.get(), DialogProc, reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create(CWnd* owner) {
  m_modal = false;
  return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                            OwnerWindow(owner), DialogProc,
                            reinterpret_cast<LPARAM>(this)) != nullptr;
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return !dx.Failed();
}

bool CDialog::PreTranslateMessage(MSG* msg) {
  // Modeless dialogs need the dialog keys (Tab, Enter, Escape) translated here.
  return !m_modal && m_hWnd && IsDialogMessageA(m_hWnd, msg);
}

BOOL CDialog::OnInitDialog() {
  ExecuteDlgInit();
  UpdateData(false);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(UINT id, UINT code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDOK:
      OnOK();
      return true;
    case IDCANCEL:
      OnCancel();
      return true;
    default:
      return OnCmdMsg(id, nullptr);
  }
}

void CDialog::EndDialog(int result) {
  if (m_modal)
    ::EndDialog(m_hWnd, result);
  else
    ShowWindow(SW_HIDE);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  (void)message;
  (void)wParam;
  (void)lParam;
  return 0;
}

void CDialog::ExecuteDlgInit() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(m_templateId),
                              MAKEINTRESOURCEA(RT_DLGINIT_DATA));
  if (!found) return;
  const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
  const DWORD size = SizeofResource(instance, found);
  if (!data) return;
  // Entries: control, message, length, text; a control of 0 ends the list. An entry
  // that would run past the resource ends it too.
  constexpr DWORD kEntryHead = 2 * sizeof(WORD) + sizeof(DWORD);
  for (DWORD offset = 0; offset + sizeof(WORD) <= size;) {
    WORD control = 0;
    std::memcpy(&control, data + offset, sizeof control);
    if (control == 0 || offset + kEntryHead > size) break;
    WORD message = 0;
    DWORD length = 0;
    std::memcpy(&message, data + offset + sizeof(WORD), sizeof message);
    std::memcpy(&length, data + offset + 2 * sizeof(WORD), sizeof length);
    offset += kEntryHead;
    if (length > size - offset || length == 0) break;
    const char* text = reinterpret_cast<const char*>(data + offset);
    if (std::memchr(text, '\0', length))
      SendDlgItemMessageA(m_hWnd, control, message, 0, reinterpret_cast<LPARAM>(text));
    offset += length;
  }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->Bind(hwnd);
    return dialog->OnInitDialog();
  }
  auto* dialog = dynamic_cast<CDialog*>(FromHandle(hwnd));
  if (!dialog) return FALSE;
  switch (message) {
    case WM_COMMAND:
      return dialog->OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_NCDESTROY:
      dialog->Unbind();
      dialog->PostNcDestroy();
      return FALSE;
  }
  // Messages a derived dialog handles itself; 0 from WindowProc leaves the rest to the
  // dialog manager.
  return static_cast<INT_PTR>(dialog->WindowProc(message, wParam, lParam));
}
