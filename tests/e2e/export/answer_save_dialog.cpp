// Answers a file-save dialog: answer_save_dialog CAPTION PATH TIMEOUT_MS
// Types PATH into the dialog's file-name box and presses its OK button.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

BOOL CALLBACK FindEdit(HWND child, LPARAM result) {
  char cls[32] = "";
  GetClassNameA(child, cls, sizeof cls);
  if (std::strcmp(cls, "Edit") == 0 && IsWindowVisible(child)) {
    *reinterpret_cast<HWND*>(result) = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: answer_save_dialog CAPTION PATH TIMEOUT_MS\n");
    return 2;
  }
  // The dialog's window appears before its controls: wait for the file-name box too.
  const DWORD deadline = GetTickCount() + std::strtoul(argv[3], nullptr, 0);
  HWND dialog = nullptr;
  HWND edit = nullptr;
  while (GetTickCount() < deadline) {
    dialog = FindWindowA("#32770", argv[1]);
    if (dialog) EnumChildWindows(dialog, FindEdit, reinterpret_cast<LPARAM>(&edit));
    if (edit) break;
    Sleep(50);
  }
  if (!edit) {
    std::fprintf(stderr, dialog ? "no file-name box\n" : "no dialog \"%s\"\n", argv[1]);
    return 1;
  }
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  return 0;
}
