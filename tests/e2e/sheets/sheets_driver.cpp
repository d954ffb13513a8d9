// Drives the viewer's sheet view from outside, as a user would:
//   sheets_driver click CAPTION X Y [right]     press a mouse button in the view's client area
//   sheets_driver goto CAPTION NUMBER            run "Go to specify page" and type NUMBER
//   sheets_driver pick-menu ITEM TIMEOUT_MS      choose item ITEM (from 0) of the open popup menu
//   sheets_driver key CAPTION VK                 press virtual key VK (decimal) in the view
//   sheets_driver clipboard                      print the clipboard bitmap's width and height
//   sheets_driver view-state CAPTION             print the view's scroll state and zoom buttons
//   sheets_driver ctrl-key CAPTION VK WAIT_MS    type Ctrl+VK on the keyboard, then as view-state
//   sheets_driver wheel CAPTION DELTA ctrl|plain WAIT_MS
//                                                turn the mouse wheel, then as view-state
// The view's state is read inside the viewer (its scroll range is the zoomed sheet's size);
// after input the driver waits up to WAIT_MS for it to change, then until it is steady.
// Exit code 0 on success.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "probe_request.h"
#include "resource.h"
#include "viewer_probe_client.h"
#include "window_search.h"

namespace {

constexpr UINT kGotoCommand = 32771;
constexpr char kGotoCaption[] = "Go to a special page";
constexpr int kGotoNumberEdit = 1001;
constexpr char kIntegerMessage[] = "Please enter an integer.";

// Waits until the window is shown: a dialog exists before its initialisation has filled
// its fields, and is shown only after it.
HWND WaitTopWindow(const char* className, const char* caption, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    HWND hwnd = FindWindowA(className, caption);
    if (hwnd && IsWindowVisible(hwnd)) return hwnd;
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
  return frame ? GetDlgItem(frame, IDW_PANE_FIRST) : nullptr;
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

// The view's scroll range and position, then whether each zoom button is enabled.
bool ReadViewState(ViewerProbe& probe, HWND view, std::string& state) {
  if (!probe.Read(kReadScrollState, view, state)) return false;
  HWND toolbar = GetDlgItem(GetParent(view), IDW_TOOLBAR);
  const struct {
    const char* name;
    UINT command;
  } buttons[] = {
      {"zoom_out", ID_ZOOM_OUT}, {"zoom_normal", ID_ZOOM_NORMAL}, {"zoom_in", ID_ZOOM_IN}};
  for (const auto& button : buttons) {
    const LRESULT flags = SendMessageA(toolbar, TB_GETSTATE, button.command, 0);
    state += std::string(button.name) + "=" +
             (flags != -1 && (flags & TBSTATE_ENABLED) ? "1" : "0") + "\n";
  }
  return true;
}

// Waits up to `waitMs` for the state to differ from `before`, then until two readings a
// moment apart agree (the toolbar follows when the viewer is next idle), and prints it.
int PrintStateAfterInput(ViewerProbe& probe, HWND view, const std::string& before, int waitMs) {
  constexpr int kSteadyMs = 300;
  constexpr int kSteadyAttempts = 10;
  std::string state = before;
  WaitFor([&] { return ReadViewState(probe, view, state) && state != before; }, waitMs);
  for (int attempt = 0; attempt < kSteadyAttempts; ++attempt) {
    const std::string previous = state;
    Sleep(kSteadyMs);
    if (!ReadViewState(probe, view, state)) return 1;
    if (state == previous) {
      std::fputs(state.c_str(), stdout);
      return 0;
    }
  }
  return 1;
}

int ViewState(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND view = ViewOf(argv[2]);
  if (!view) return 1;
  ViewerProbe probe(view);
  std::string state;
  if (!ReadViewState(probe, view, state)) return 1;
  std::fputs(state.c_str(), stdout);
  return 0;
}

INPUT KeyInput(WORD key, bool release) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Ctrl and the key pressed and released on the keyboard, as a user types them, into the
// viewer brought to the front: the accelerators need Ctrl's real key state.
int CtrlKey(int argc, char** argv) {
  if (argc < 5) return 2;
  HWND view = ViewOf(argv[2]);
  if (!view) return 1;
  ViewerProbe probe(view);
  std::string before;
  if (!ReadViewState(probe, view, before)) return 1;
  HWND frame = GetParent(view);
  if (!WaitFor([&] { return SetForegroundWindow(frame) && GetForegroundWindow() == frame; }, 5000))
    return 1;
  const WORD key = static_cast<WORD>(std::atoi(argv[3]));
  INPUT inputs[] = {KeyInput(VK_CONTROL, false), KeyInput(key, false), KeyInput(key, true),
                    KeyInput(VK_CONTROL, true)};
  const UINT count = sizeof inputs / sizeof inputs[0];
  if (SendInput(count, inputs, sizeof inputs[0]) != count) return 1;
  return PrintStateAfterInput(probe, view, before, std::atoi(argv[4]));
}

// One notch of the wheel as the system delivers it: posted to the window with the
// keyboard focus, with the key state in wParam and the cursor's screen position in lParam.
int Wheel(int argc, char** argv) {
  if (argc < 6) return 2;
  HWND view = ViewOf(argv[2]);
  if (!view) return 1;
  ViewerProbe probe(view);
  std::string before;
  if (!ReadViewState(probe, view, before)) return 1;
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(view, nullptr), &thread) || !thread.hwndFocus)
    return 1;
  RECT area;
  GetWindowRect(view, &area);
  const WORD keys = std::strcmp(argv[4], "ctrl") == 0 ? MK_CONTROL : 0;
  const short delta = static_cast<short>(std::atoi(argv[3]));
  PostMessageA(thread.hwndFocus, WM_MOUSEWHEEL, MAKEWPARAM(keys, delta),
               MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2));
  std::printf("focus_on_view=%d\n", thread.hwndFocus == view ? 1 : 0);
  return PrintStateAfterInput(probe, view, before, std::atoi(argv[5]));
}

struct CommandRow {
  const char* name;
  int (*run)(int argc, char** argv);
};

const CommandRow kCommands[] = {
    {"click", Click},        {"goto", GoTo},           {"key", Key},
    {"pick-menu", PickMenu}, {"clipboard", Clipboard}, {"view-state", ViewState},
    {"ctrl-key", CtrlKey},   {"wheel", Wheel}};

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2) {
    for (const CommandRow& row : kCommands)
      if (std::strcmp(argv[1], row.name) == 0) return row.run(argc, argv);
  }
  std::fprintf(stderr,
               "sheets_driver click|goto|key|pick-menu|clipboard|view-state|ctrl-key|wheel ...\n");
  return 2;
}
