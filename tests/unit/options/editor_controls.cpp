#include "editor_controls.h"

#include "resource.h"

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)); }

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

std::string ItemText(HWND dialog, int id) {
  char text[512] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

std::vector<std::string> ComboItems(HWND dialog, int id) {
  std::vector<std::string> items;
  const LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
  for (LRESULT item = 0; item < count; ++item) {
    char text[512] = "";
    SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(item),
                        reinterpret_cast<LPARAM>(text));
    items.emplace_back(text);
  }
  return items;
}

int ComboSelection(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void ChooseItem(HWND dialog, int id, int index) {
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void PressButton(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }

ModalScript::Step AnswerName(const char* name, std::string* prompt, std::string* initialName) {
  return [=](HWND dialog) {
    if (prompt) *prompt = ItemText(dialog, IDC_NAME_PROMPT);
    if (initialName) *initialName = ItemText(dialog, IDC_NAME_TEXT);
    if (!name) {
      ClickButton(dialog, IDCANCEL);
      return;
    }
    SetDlgItemTextA(dialog, IDC_NAME_TEXT, name);
    ClickButton(dialog, IDOK);
  };
}
