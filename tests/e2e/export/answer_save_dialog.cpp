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
  const DWORD deadline = GetTickCount() + std::strtoul(argv[3], nullptr, 0);
  HWND dialog = nullptr;
  while (!(dialog = FindWindowA("#32770", argv[1])) && GetTickCount() < deadline) Sleep(50);
  if (!dialog) {
    std::fprintf(stderr, "no dialog \"%s\"\n", argv[1]);
    return 1;
  }
  HWND edit = nullptr;
  EnumChildWindows(dialog, FindEdit, reinterpret_cast<LPARAM>(&edit));
  if (!edit) {
    std::fprintf(stderr, "no file-name box\n");
    return 1;
  }
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  return 0;
}
