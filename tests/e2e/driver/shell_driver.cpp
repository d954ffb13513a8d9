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

#include "emf_pages.h"
#include "framework_ids.h"
#include "probe_request.h"
#include "resource.h"
#include "viewer_probe_client.h"
#include "window_search.h"

namespace {

constexpr char kMenuWindowClass[] = "#32768";
// The static control that holds a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr char kDialogClass[] = "#32770";

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

// Waits until the window is shown: the viewer shows its window after loading the job,
// and paints it at once.
int WaitVisible(int argc, char** argv) {
  if (argc < 4) return 2;
  return WaitFor(
             [&] {
               HWND hwnd = FindWindowA(nullptr, argv[2]);
               return hwnd && IsWindowVisible(hwnd);
             },
             std::atoi(argv[3]))
             ? 0
             : 1;
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
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  PrintRect("work_area", work);
  std::printf("foreground=%d\n", GetForegroundWindow() == frame ? 1 : 0);
  HWND toolbar = GetDlgItem(frame, IDW_TOOLBAR);
  std::printf("toolbar_visible=%d\n", toolbar && IsWindowVisible(toolbar) ? 1 : 0);
  if (toolbar) {
    std::printf("toolbar_items=%d\n", static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0)));
  }
  HWND status = GetDlgItem(frame, IDW_STATUS_BAR);
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
  HWND status = GetDlgItem(frame, IDW_STATUS_BAR);
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
  char text[1024] = "";
  GetDlgItemTextA(box, kMessageBoxTextId, text, sizeof text);
  std::printf("caption=%s\nowner=%s\ntext=%s\n", caption, owner ? Text(owner).c_str() : "", text);
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
  HANDLE existing = nullptr;
  if (OpenPrinterA(argv[2], &existing, nullptr)) {
    ClosePrinter(existing);
    return 0;
  }
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

int PrintProbeLines(HWND window, const char* reader) {
  ViewerProbe probe(window);
  std::string lines;
  if (!probe.Read(reader, window, lines)) {
    std::fprintf(stderr, "the probe could not read the viewer\n");
    return 1;
  }
  std::fputs(lines.c_str(), stdout);
  return 0;
}

// The frame's menus as the running viewer holds them (Wine shows a process's menus only
// to that process): every item as its popup path, text, command and state.
int FrameMenu(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND frame = RequireWindow(argv[2]);
  return frame ? PrintProbeLines(frame, kReadFrameMenu) : 1;
}

// The texts of the status bar's panes, read inside the viewer: a pane's text is no window
// text another process can ask for.
int StatusPanes(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND frame = RequireWindow(argv[2]);
  HWND status = frame ? GetDlgItem(frame, IDW_STATUS_BAR) : nullptr;
  return status ? PrintProbeLines(status, kReadStatusPanes) : 1;
}

HWND VisibleMenuWindow() {
  HWND menu = FindWindowA(kMenuWindowClass, nullptr);
  return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// Right-clicks the view at a client point, prints the items of the context menu that
// opens, and closes it again with Escape.
int ContextMenu(int argc, char** argv) {
  if (argc < 6) return 2;
  HWND frame = RequireWindow(argv[2]);
  if (!frame) return 1;
  HWND view = GetDlgItem(frame, IDW_PANE_FIRST);
  const LPARAM at = MAKELPARAM(std::atoi(argv[3]), std::atoi(argv[4]));
  PostMessageA(view, WM_RBUTTONDOWN, MK_RBUTTON, at);
  PostMessageA(view, WM_RBUTTONUP, 0, at);
  HWND menu = nullptr;
  if (!WaitFor([&] { return (menu = VisibleMenuWindow()) != nullptr; }, std::atoi(argv[5]))) {
    std::fprintf(stderr, "no context menu\n");
    return 1;
  }
  const int result = PrintProbeLines(menu, kReadShownMenu);
  PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  if (!WaitFor([] { return VisibleMenuWindow() == nullptr; }, std::atoi(argv[5]))) {
    std::fprintf(stderr, "the context menu stayed open\n");
    return 1;
  }
  return result;
}

// Page metafiles as the 9x spooler leaves them in the temporary directory.
int Write9xPages(int argc, char** argv) {
  if (argc < 3) return 2;
  char temp[MAX_PATH] = "";
  if (!GetTempPathA(sizeof temp, temp)) return 1;
  for (int page = 1; page <= std::atoi(argv[2]); ++page) {
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s~emf%04d.tmp", temp, page);
    PageDrawing drawing;
    drawing.label = "Page " + std::to_string(page);
    WriteFileBytes(path, DrawEmfPage(drawing));
  }
  return 0;
}

// A left click into the view at a client point: it selects the page there. With a second
// point the button is released there instead: the page is dragged onto that cell.
int Click(int argc, char** argv) {
  if (argc < 5) return 2;
  HWND frame = RequireWindow(argv[2]);
  if (!frame) return 1;
  HWND view = GetDlgItem(frame, IDW_PANE_FIRST);
  const LPARAM at = MAKELPARAM(std::atoi(argv[3]), std::atoi(argv[4]));
  // With a second point the button goes up there: a drag.
  const LPARAM up = argc >= 7 ? MAKELPARAM(std::atoi(argv[5]), std::atoi(argv[6])) : at;
  PostMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, at);
  if (up != at) PostMessageA(view, WM_MOUSEMOVE, MK_LBUTTON, up);
  PostMessageA(view, WM_LBUTTONUP, 0, up);
  return 0;
}

// Whether the top-level window with this caption takes input: 1 or 0.
int WindowEnabled(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND hwnd = RequireWindow(argv[2]);
  if (!hwnd) return 1;
  std::printf("%d\n", IsWindowEnabled(hwnd) ? 1 : 0);
  return 0;
}

// Opens "Go to a special page", prints the line that says where the view stands and how
// many sheets there are, and cancels it.
int GotoInfo(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND frame = RequireWindow(argv[2]);
  if (!frame) return 1;
  PostMessageA(frame, WM_COMMAND, ID_GOTO_PAGE, 0);
  HWND dialog = nullptr;
  // Taken once shown: until then its initialisation may still be filling in the line.
  if (!WaitFor([&] {
        dialog = FindWindowA(nullptr, "Go to a special page");
        return dialog && IsWindowVisible(dialog);
      },
               10000))
    return 1;
  std::printf("%s\n", Text(GetDlgItem(dialog, IDC_GOTO_INFO)).c_str());
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  return WaitFor([&] { return !IsWindow(dialog); }, 10000) ? 0 : 1;
}

// Presses a button of a top-level window found by its caption (a dialog's OK, say).
int Press(int argc, char** argv) {
  if (argc < 5) return 2;
  HWND window = nullptr;
  if (!WaitFor([&] { return (window = FindWindowA(nullptr, argv[2])) != nullptr; },
               std::atoi(argv[4])))
    return 1;
  const int id = std::atoi(argv[3]);
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
  return 0;
}

// Brings a window to the front, as a user clicking it would.
int Activate(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND hwnd = FindWindowA(nullptr, argv[2]);
  return hwnd && SetForegroundWindow(hwnd) ? 0 : 1;
}

// Puts the mouse where no window of the viewer reacts to it: the screen's bottom right.
int ParkMouse(int, char**) {
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  return 0;
}

HWND VisibleTooltip() {
  struct Search {
    HWND found = nullptr;
  } search;
  EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        char cls[64] = "";
        GetClassNameA(hwnd, cls, sizeof cls);
        if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && IsWindowVisible(hwnd)) {
          reinterpret_cast<Search*>(param)->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Rests the mouse on each toolbar button in turn (the commands in toolbar order, 0 for
// a separator) and prints the tooltip that appears and the status-bar prompt.
int HoverToolbar(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND frame = RequireWindow(argv[2]);
  if (!frame) return 1;
  HWND toolbar = GetDlgItem(frame, IDW_TOOLBAR);
  HWND status = GetDlgItem(frame, IDW_STATUS_BAR);
  const LRESULT size = SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0);
  const int width = LOWORD(size);
  const int height = HIWORD(size);
  constexpr int kSeparatorWidth = 8;
  constexpr int kIndent = 8;
  RECT bar;
  GetWindowRect(toolbar, &bar);
  int x = bar.left + kIndent;
  for (int i = 3; i < argc; ++i) {
    const unsigned long id = std::strtoul(argv[i], nullptr, 0);
    if (id == 0) {
      x += kSeparatorWidth;
      continue;
    }
    // Leave the bar first, until the last button's tooltip is gone, so each button shows
    // its own afresh; tooltips show only while the viewer is the active window, and other
    // programs may take that from it, so a button gets a few tries. A tooltip may be
    // visible a moment before it holds its text.
    std::string tip;
    for (int attempt = 0; attempt < 3 && tip.empty(); ++attempt) {
      SetCursorPos(bar.left + 2, bar.bottom + 60);
      SetForegroundWindow(frame);
      WaitFor([] { return VisibleTooltip() == nullptr; }, 2000);
      Sleep(150);
      SetCursorPos(x + width / 2, bar.top + height / 2);
      WaitFor(
          [&] {
            HWND window = VisibleTooltip();
            tip = window ? Text(window) : std::string();
            return !tip.empty();
          },
          2000);
    }
    std::printf("%lu\t%s\t%s\n", id, tip.c_str(), Text(status).c_str());
    x += width;
  }
  return ParkMouse(argc, argv);
}


HWND PreviewPart(HWND frame, int id) { return frame ? GetDlgItem(frame, id) : nullptr; }

bool Shown(HWND hwnd) { return hwnd && IsWindowVisible(hwnd); }

// The print preview as a user sees it: whether it shows in place of the view and the
// toolbar, the status bar's message, each bar button's text and state, and where the
// preview lies in the frame's window (for cutting it out of a capture).
int PreviewInfo(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND frame = RequireWindow(argv[2]);
  if (!frame) return 1;
  HWND preview = PreviewPart(frame, IDW_PREVIEW_VIEW);
  std::printf("previewing=%d\n", Shown(preview) ? 1 : 0);
  std::printf("view_visible=%d\n", Shown(PreviewPart(frame, IDW_PANE_FIRST)) ? 1 : 0);
  std::printf("toolbar_visible=%d\n", Shown(PreviewPart(frame, IDW_TOOLBAR)) ? 1 : 0);
  std::printf("status_text=%s\n", Text(PreviewPart(frame, IDW_STATUS_BAR)).c_str());
  std::printf("enabled=%d\n", IsWindowEnabled(frame) ? 1 : 0);
  if (HWND bar = PreviewPart(frame, IDW_PREVIEW_BAR)) {
    for (HWND button = GetWindow(bar, GW_CHILD); button; button = GetWindow(button, GW_HWNDNEXT)) {
      std::printf("button=%s\t%s\n", Text(button).c_str(),
                  IsWindowEnabled(button) ? "enabled" : "grayed");
    }
  }
  if (preview) {
    RECT window;
    RECT client;
    GetWindowRect(frame, &window);
    GetClientRect(preview, &client);
    MapWindowPoints(preview, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    PrintRect("preview_rect", client);
  }
  return 0;
}

// A toolbar button's state: "enabled=" and "checked=" lines.
int ButtonState(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND toolbar = PreviewPart(RequireWindow(argv[2]), IDW_TOOLBAR);
  if (!toolbar) return 1;
  const WPARAM id = std::strtoul(argv[3], nullptr, 0);
  std::printf("enabled=%d\nchecked=%d\n", SendMessageA(toolbar, TB_ISBUTTONENABLED, id, 0) ? 1 : 0,
              SendMessageA(toolbar, TB_ISBUTTONCHECKED, id, 0) ? 1 : 0);
  return 0;
}

// Presses the preview bar's button with this text, as a click does.
int PressPreviewButton(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND bar = PreviewPart(RequireWindow(argv[2]), IDW_PREVIEW_BAR);
  for (HWND button = bar ? GetWindow(bar, GW_CHILD) : nullptr; button;
       button = GetWindow(button, GW_HWNDNEXT)) {
    if (Text(button) != argv[3]) continue;
    PostMessageA(button, BM_CLICK, 0, 0);
    return 0;
  }
  std::fprintf(stderr, "no preview button \"%s\"\n", argv[3]);
  return 1;
}

// A key pressed in the preview (a virtual-key code).
int PreviewKey(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND preview = PreviewPart(RequireWindow(argv[2]), IDW_PREVIEW_VIEW);
  if (!preview) return 1;
  const WPARAM key = std::strtoul(argv[3], nullptr, 0);
  PostMessageA(preview, WM_KEYDOWN, key, 1);
  PostMessageA(preview, WM_KEYUP, key, 0xC0000001);
  return 0;
}

// Clicks the toolbar's button for the last of the commands listed in toolbar order (0 for
// a separator), as hover-toolbar places them.
int ClickToolbar(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND frame = RequireWindow(argv[2]);
  HWND toolbar = PreviewPart(frame, IDW_TOOLBAR);
  if (!toolbar) return 1;
  const LRESULT size = SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0);
  constexpr int kSeparatorWidth = 8;
  constexpr int kIndent = 8;
  RECT bar;
  GetWindowRect(toolbar, &bar);
  POINT at = {bar.left + kIndent, bar.top + HIWORD(size) / 2};
  for (int i = 3; i < argc - 1; ++i)
    at.x += std::strtoul(argv[i], nullptr, 0) == 0 ? kSeparatorWidth : LOWORD(size);
  at.x += LOWORD(size) / 2;
  ScreenToClient(toolbar, &at);
  PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageA(toolbar, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  return 0;
}

// Presses a button of the dialog with this caption (the system's print dialog, say) once it
// shows.
int AnswerDialog(int argc, char** argv) {
  if (argc < 5) return 2;
  HWND dialog = nullptr;
  if (!WaitFor(
          [&] {
            dialog = FindWindowA(kDialogClass, argv[2]);
            return dialog && IsWindowVisible(dialog);
          },
          std::atoi(argv[4])))
    return 1;
  PostMessageA(dialog, WM_COMMAND, std::strtoul(argv[3], nullptr, 0), 0);
  return 0;
}

// Sends a print command and reads the printing status box once it shows a page: its
// caption and texts; with "cancel" its Cancel button is pressed then. Watching starts
// before the command, so that a short job's box is not missed.
int PrintStatus(int argc, char** argv) {
  if (argc < 6) return 2;
  HWND frame = RequireWindow(argv[2]);
  if (!frame) return 1;
  PostMessageA(frame, WM_COMMAND, std::strtoul(argv[3], nullptr, 0), 0);
  HWND box = nullptr;
  std::string page;
  HWND pageText = nullptr;
  const bool found = WaitFor(
      [&] {
        box = FindOwnedWindow(frame, "Printing");
        if (!box) return false;
        // The page line is the last static control.
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
          char cls[32] = "";
          GetClassNameA(child, cls, sizeof cls);
          if (lstrcmpiA(cls, "Static") == 0) pageText = child;
        }
        page = pageText ? Text(pageText) : std::string();
        return !page.empty();
      },
      std::atoi(argv[5]));
  if (!found) {
    std::fprintf(stderr, "no printing box showing a page\n");
    return 1;
  }
  if (std::strcmp(argv[4], "cancel") == 0) PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
  std::printf("caption=%s\n", Text(box).c_str());
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    std::printf("text=%s\n", Text(child).c_str());
  return 0;
}

struct CommandRow {
  const char* name;
  int (*run)(int argc, char** argv);
  const char* usage;
};

const CommandRow kCommands[] = {
    {"wait-window", WaitWindow, "CAPTION TIMEOUT_MS"},
    {"wait-gone", WaitGone, "CAPTION TIMEOUT_MS"},
    {"wait-visible", WaitVisible, "CAPTION TIMEOUT_MS"},
    {"window-info", WindowInfo, "CAPTION"},
    {"command", Command, "CAPTION ID"},
    {"prompts", Prompts, "CAPTION ID..."},
    {"answer-box", AnswerBox, "TEXT BUTTON_ID TIMEOUT_MS"},
    {"count-boxes", CountBoxes, "TEXT"},
    {"capture", Capture, "CAPTION FILE.bmp"},
    {"hover-toolbar", HoverToolbar, "CAPTION ID... (0 for a separator)"},
    {"activate", Activate, "CAPTION"},
    {"click", Click, "CAPTION X Y [TO_X TO_Y]"},
    {"enabled", WindowEnabled, "CAPTION"},
    {"goto-info", GotoInfo, "CAPTION"},
    {"press", Press, "CAPTION BUTTON_ID TIMEOUT_MS"},
    {"park-mouse", ParkMouse, ""},
    {"frame-menu", FrameMenu, "CAPTION"},
    {"status-panes", StatusPanes, "CAPTION"},
    {"context-menu", ContextMenu, "CAPTION X Y TIMEOUT_MS"},
    {"write-9x-pages", Write9xPages, "COUNT"},
    {"add-printer", AddTestPrinter, "NAME"},
    {"delete-printer", DeletePrinterNamed, "NAME"},
    {"preview-info", PreviewInfo, "CAPTION"},
    {"button-state", ButtonState, "CAPTION ID"},
    {"preview-button", PressPreviewButton, "CAPTION TEXT"},
    {"preview-key", PreviewKey, "CAPTION VK"},
    {"click-toolbar", ClickToolbar, "CAPTION ID... (0 for a separator)"},
    {"answer-dialog", AnswerDialog, "CAPTION BUTTON_ID TIMEOUT_MS"},
    {"print-status", PrintStatus, "CAPTION COMMAND show|cancel TIMEOUT_MS"},
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
