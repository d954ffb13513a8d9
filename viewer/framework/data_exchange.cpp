#include "data_exchange.h"

#include <vector>

#include "ansi_code_page.h"
#include "dialog.h"
#include "dialog_integer.h"
#include "formatted_text.h"
#include "win_app.h"

namespace {

// An integer field is read as its first 31 bytes, cut at a character boundary.
constexpr std::size_t kIntegerFieldBytes = 31;

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? copied : 0);
}

bool IsEdit(HWND hwnd) {
  char cls[16] = "";
  GetClassNameA(hwnd, cls, sizeof cls);
  return lstrcmpiA(cls, "Edit") == 0;
}

}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
  m_lastControl = GetDlgItem(m_pDlgWnd->m_hWnd, id);
  return m_lastControl;
}

void CDataExchange::Fail() {
  m_bFailed = true;
  if (!m_lastControl) return;
  SetFocus(m_lastControl);
  if (IsEdit(m_lastControl)) ::SendMessageA(m_lastControl, EM_SETSEL, 0, -1);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
  if (dx->Failed()) return;
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (!dx->m_bSaveAndValidate) {
    SetWindowTextA(control, std::to_string(value).c_str());
    return;
  }
  const std::string text = CutAtCharacter(WindowText(control), kIntegerFieldBytes, AnsiLeadBytes());
  if (!ParseDialogInteger(text.c_str(), value)) {
    AfxMessageBox(kParseIntegerText);
    dx->Fail();
  }
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
  if (dx->Failed()) return;
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate)
    value = WindowText(control);
  else
    SetWindowTextA(control, value.c_str());
}

void DDX_Text(CDataExchange* dx, int id, std::string& value, int maxChars) {
  if (dx->Failed()) return;
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (!dx->m_bSaveAndValidate) {
    if (IsEdit(control)) ::SendMessageA(control, EM_LIMITTEXT, maxChars, 0);
  } else if (CountCharacters(WindowText(control), AnsiLeadBytes()) >
             static_cast<std::size_t>(maxChars)) {
    // Characters, as the message says and as an edit of the NT family counts its limit.
    AfxMessageBox(FormatText(kTooManyCharactersFormat, maxChars).c_str());
    dx->Fail();
    return;
  }
  DDX_Text(dx, id, value);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
  if (dx->Failed()) return;
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) {
    index = static_cast<int>(::SendMessageA(control, CB_GETCURSEL, 0, 0));
  } else {
    // An index outside the list clears the selection (not every combo box does that
    // by itself).
    const LRESULT count = ::SendMessageA(control, CB_GETCOUNT, 0, 0);
    const bool inList = index >= 0 && index < count;
    ::SendMessageA(control, CB_SETCURSEL, inList ? static_cast<WPARAM>(index) : -1, 0);
  }
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
  if (dx->Failed()) return;
  HWND control = dx->PrepareCtrl(id);
  if (!control) return;
  if (dx->m_bSaveAndValidate) value = -1;
  int index = 0;
  // The group runs from its first button to the next control that starts a group.
  for (HWND button = control; button; button = GetWindow(button, GW_HWNDNEXT), ++index) {
    if (button != control && (GetWindowLongPtrA(button, GWL_STYLE) & WS_GROUP)) break;
    if (dx->m_bSaveAndValidate) {
      if (::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
  }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  if (HWND hwnd = dx->PrepareCtrl(id)) control.Attach(hwnd);
}
