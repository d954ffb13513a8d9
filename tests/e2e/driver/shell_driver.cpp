// Drives the viewer from outside for the end-to-end tests: finds windows, sends
// commands, answers message boxes, reads texts and captures a window.
//   shell_driver COMMAND ARGS...   (see kCommands below); exit code 0 on success.
#include <windows.h>
#include <commctrl.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "window_search.h"

namespace {

constexpr UINT kToolbarId = 0xE800;
constexpr UINT kStatusBarId = 0xE801;

std::string Text(HWND hwnd) {
  char buffer[512] = "";
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

HWND RequireWindow(const char* caption) {
  HWND hwnd = FindWindowA(nullptr, caption);
  if (!hwnd) std::fprintf(stderr, "no window \"%s\"\n", caption);
  return hwnd;
}

int WaitWindow(int argc, char** argv) {
  if (argc < 4) return 2;
  return WaitFor([&] { return FindWindowA(nullptr, argv[2]) != nullptr; }, std::atoi(argv[3]))
             ? 0
             : 1;
}

int WaitGone(int argc, char** argv) {
  if (argc < 4) return 2;
  return WaitFor([&] { return FindWindowA(nullptr, argv[2]) == nullptr; }, std::atoi(argv[3]))
             ? 0
             : 1;
}

void PrintRect(const char* name, const RECT& r) {
  std::printf("%s=%ld,%ld,%ld,%ld\n", name, r.left, r.top, r.right, r.bottom);
}

int WindowInfo(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND frame = RequireWindow(argv[2]);
  if (!frame) return 1;
  RECT rect;
  GetWindowRect(frame, &rect);
  std::printf("visible=%d\nzoomed=%d\n", IsWindowVisible(frame) ? 1 : 0, IsZoomed(frame) ? 1 : 0);
  PrintRect("rect", rect);
  std::printf("screen=%d,%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  std::printf("foreground=%d\n", GetForegroundWindow() == frame ? 1 : 0);
  HWND toolbar = GetDlgItem(frame, kToolbarId);
  std::printf("toolbar_visible=%d\n", toolbar && IsWindowVisible(toolbar) ? 1 : 0);
  if (toolbar) {
    std::printf("toolbar_items=%d\n", static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0)));
  }
  HWND status = GetDlgItem(frame, kStatusBarId);
  std::printf("statusbar_visible=%d\n", status && IsWindowVisible(status) ? 1 : 0);
  if (status) {
    std::printf("status_panes=%d\n", static_cast<int>(SendMessageA(status, SB_GETPARTS, 0, 0)));
    std::printf("status_text=%s\n", Text(status).c_str());
  }
  HWND panel = FindOwnedWindow(frame, "Option Settings");
  std::printf("panel_visible=%d\n", panel && IsWindowVisible(panel) ? 1 : 0);
  if (panel) {
    GetWindowRect(panel, &rect);
    PrintRect("panel_rect", rect);
  }
  return 0;
}

int Command(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND frame = RequireWindow(argv[2]);
  if (!frame) return 1;
  PostMessageA(frame, WM_COMMAND, std::strtoul(argv[3], nullptr, 0), 0);
  return 0;
}

// The status-bar prompt of each command: the frame is told the menu item is selected.
int Prompts(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND frame = RequireWindow(argv[2]);
  if (!frame) return 1;
  HWND status = GetDlgItem(frame, kStatusBarId);
  HMENU menu = GetMenu(frame);
  for (int i = 3; i < argc; ++i) {
    const unsigned long id = std::strtoul(argv[i], nullptr, 0);
    SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(id, MF_HILITE), reinterpret_cast<LPARAM>(menu));
    std::printf("%lu\t%s\n", id, Text(status).c_str());
  }
  SendMessageA(frame, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  return 0;
}

int AnswerBox(int argc, char** argv) {
  if (argc < 5) return 2;
  HWND box = nullptr;
  if (!WaitFor([&] { return (box = FindMessageBox(argv[2])) != nullptr; }, std::atoi(argv[4])))
    return 1;
  char caption[256] = "";
  GetWindowTextA(box, caption, sizeof caption);
  HWND owner = GetWindow(box, GW_OWNER);
  std::printf("caption=%s\nowner=%s\n", caption, owner ? Text(owner).c_str() : "");
  PostMessageA(box, WM_COMMAND, std::strtoul(argv[3], nullptr, 0), 0);
  return 0;
}

int CountBoxes(int argc, char** argv) {
  if (argc < 3) return 2;
  std::printf("%d\n", CountMessageBoxes(argv[2]));
  return 0;
}

int Capture(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND hwnd = RequireWindow(argv[2]);
  if (!hwnd) return 1;
  return CaptureWindowToBmp(hwnd, argv[3]) ? 0 : 1;
}

// A printer on Wine's PostScript driver and the port "FILE:", as the tests need one.
int AddTestPrinter(int argc, char** argv) {
  if (argc < 3) return 2;
  char* server = nullptr;
  char driver[] = "Quillor Test Driver";
  char environment[] = "Windows x64";
  char driverPath[] = "wineps.drv";
  char dataFile[] = "generic.ppd";
  DRIVER_INFO_3A info = {};
  info.cVersion = 3;
  info.pName = driver;
  info.pEnvironment = environment;
  info.pDriverPath = driverPath;
  info.pDataFile = dataFile;
  info.pConfigFile = driverPath;
  AddPrinterDriverA(server, 3, reinterpret_cast<BYTE*>(&info));
  char port[] = "FILE:";
  char processor[] = "WinPrint";
  char datatype[] = "RAW";
  PRINTER_INFO_2A printer = {};
  printer.pPrinterName = argv[2];
  printer.pPortName = port;
  printer.pDriverName = driver;
  printer.pPrintProcessor = processor;
  printer.pDatatype = datatype;
  HANDLE handle = AddPrinterA(server, 2, reinterpret_cast<BYTE*>(&printer));
  if (!handle) {
    std::fprintf(stderr, "AddPrinterA failed: %lu\n", GetLastError());
    return 1;
  }
  ClosePrinter(handle);
  return 0;
}

int DeletePrinterNamed(int argc, char** argv) {
  if (argc < 3) return 2;
  HANDLE handle = nullptr;
  PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  if (!OpenPrinterA(argv[2], &handle, &access)) return 0;
  const BOOL deleted = DeletePrinter(handle);
  ClosePrinter(handle);
  return deleted ? 0 : 1;
}

struct CommandRow {
  const char* name;
  int (*run)(int argc, char** argv);
  const char* usage;
};

const CommandRow kCommands[] = {
    {"wait-window", WaitWindow, "CAPTION TIMEOUT_MS"},
    {"wait-gone", WaitGone, "CAPTION TIMEOUT_MS"},
    {"window-info", WindowInfo, "CAPTION"},
    {"command", Command, "CAPTION ID"},
    {"prompts", Prompts, "CAPTION ID..."},
    {"answer-box", AnswerBox, "TEXT BUTTON_ID TIMEOUT_MS"},
    {"count-boxes", CountBoxes, "TEXT"},
    {"capture", Capture, "CAPTION FILE.bmp"},
    {"add-printer", AddTestPrinter, "NAME"},
    {"delete-printer", DeletePrinterNamed, "NAME"},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2) {
    for (const CommandRow& row : kCommands) {
      if (std::strcmp(argv[1], row.name) == 0) return row.run(argc, argv);
    }
  }
  for (const CommandRow& row : kCommands) std::fprintf(stderr, "shell_driver %s %s\n", row.name, row.usage);
  return 2;
}
