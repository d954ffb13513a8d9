// Drives the viewer's sheet view from outside, as a user would:
//   sheets_driver click CAPTION X Y [right]     press a mouse button in the view's client area
//   sheets_driver goto CAPTION NUMBER            run "Go to specify page" and type NUMBER
//   sheets_driver pick-menu ITEM TIMEOUT_MS      choose item ITEM (from 0) of the open popup menu
//   sheets_driver key CAPTION VK                 press virtual key VK (decimal) in the view
//   sheets_driver clipboard                      print the clipboard bitmap's width and height
// Exit code 0 on success.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT kGotoCommand = 32771;
constexpr char kGotoCaption[] = "Go to a special page";
constexpr int kGotoNumberEdit = 1001;
constexpr char kIntegerMessage[] = "Please enter an integer.";

HWND WaitTopWindow(const char* className, const char* caption, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (HWND hwnd = FindWindowA(className, caption)) return hwnd;
    Sleep(50);
  }
  return nullptr;
}

// The integer message over the go-to dialog, if it is shown.
HWND FindMessageBox(HWND dialog) {
  for (HWND box = FindWindowExA(nullptr, nullptr, "#32770", nullptr); box;
       box = FindWindowExA(nullptr, box, "#32770", nullptr)) {
    if (box != dialog && FindWindowExA(box, nullptr, "Static", kIntegerMessage)) return box;
  }
  return nullptr;
}

void WaitGone(HWND hwnd) {
  for (int waited = 0; waited <= 5000 && IsWindow(hwnd); waited += 50) Sleep(50);
}

HWND ViewOf(const char* caption) {
  HWND frame = FindWindowA(nullptr, caption);
  // The view is the frame's first pane.
  return frame ? GetDlgItem(frame, 0xE900) : nullptr;
}

int Click(int argc, char** argv) {
  if (argc < 5) return 2;
  HWND view = ViewOf(argv[2]);
  if (!view) return 1;
  const LPARAM at = MAKELPARAM(std::atoi(argv[3]), std::atoi(argv[4]));
  if (argc > 5 && std::strcmp(argv[5], "right") == 0) {
    PostMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageA(view, WM_RBUTTONUP, 0, at);
  } else {
    SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(view, WM_LBUTTONUP, 0, at);
  }
  return 0;
}

int GoTo(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND frame = FindWindowA(nullptr, argv[2]);
  if (!frame) return 1;
  PostMessageA(frame, WM_COMMAND, kGotoCommand, 0);
  HWND dialog = WaitTopWindow("#32770", kGotoCaption, 10000);
  if (!dialog) return 1;
  char info[256] = "";
  GetDlgItemTextA(dialog, 1000, info, sizeof info);
  std::printf("info=%s\n", info);
  SetDlgItemTextA(dialog, kGotoNumberEdit, argv[3]);
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  // A refused number shows the integer message over the dialog, which stays open.
  for (int waited = 0; waited <= 5000; waited += 50) {
    if (!IsWindow(dialog)) {
      std::printf("closed=1\n");
      return 0;
    }
    if (HWND box = FindMessageBox(dialog)) {
      std::printf("refused=1\n");
      PostMessageA(box, WM_COMMAND, IDOK, 0);
      WaitGone(box);
      PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      WaitGone(dialog);
      return 0;
    }
    Sleep(50);
  }
  return 1;
}

int Key(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND view = ViewOf(argv[2]);
  if (!view) return 1;
  const WPARAM key = static_cast<WPARAM>(std::atoi(argv[3]));
  // Posted, so that the viewer's message loop translates it like a real key.
  PostMessageA(view, WM_KEYDOWN, key, 1);
  PostMessageA(view, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  Sleep(300);
  return 0;
}

int PickMenu(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND menu = WaitTopWindow("#32768", nullptr, std::atoi(argv[3]));
  if (!menu) return 1;
  Sleep(200);
  for (int i = 0; i <= std::atoi(argv[2]); ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  return 0;
}

int Clipboard(int, char**) {
  if (!OpenClipboard(nullptr)) return 1;
  HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAP description = {};
  const bool found = bitmap && GetObjectA(bitmap, sizeof description, &description);
  CloseClipboard();
  if (!found) return 1;
  std::printf("width=%ld\nheight=%ld\n", description.bmWidth, description.bmHeight);
  return 0;
}

struct CommandRow {
  const char* name;
  int (*run)(int argc, char** argv);
};

const CommandRow kCommands[] = {
    {"click", Click}, {"goto", GoTo}, {"key", Key},
    {"pick-menu", PickMenu}, {"clipboard", Clipboard}};

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2) {
    for (const CommandRow& row : kCommands)
      if (std::strcmp(argv[1], row.name) == 0) return row.run(argc, argv);
  }
  std::fprintf(stderr, "sheets_driver click|goto|key|pick-menu|clipboard ...\n");
  return 2;
}
