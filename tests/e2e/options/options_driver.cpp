// Works the viewer's options panel from outside, as a user would, and reads the sheet
// the view shows:
//   options_driver choose ID INDEX   pick item INDEX of list ID in "Option Settings"
//   options_driver panel             print the panel's values, its watermark names and
//                                    whether it is shown
//   options_driver sheet CAPTION     print the sheet's size in the view, the rows and
//                                    columns it crosses with an unbroken line, and the
//                                    ink in its bottom-right corner and in all of it
//   options_driver new-watermark NAME  create watermark NAME in the editor the panel's
//                                    "..." opens, and close the editor with OK
//   options_driver open-editor       open the editor with "..." and leave it open
//   options_driver click-editor ID   click button ID of the open editor
//   options_driver editor-names      print the names the open editor lists
// Exit code 0 on success.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dib_info.h"
#include "gdi_holders.h"
#include "resource.h"
#include "window_search.h"

namespace {

constexpr char kPanelCaption[] = "Option Settings";
constexpr char kEditorCaption[] = "Watermark Options";
constexpr int kDialogWaitMs = 10000;
// Lines closer than this to the sheet's ends are left out: the outline and shadow lie there.
constexpr int kLineEndMargin = 6;
// The square in the sheet's bottom-right corner where a "Right Bottom" number stands.
constexpr int kCornerSize = 40;

HWND Panel() { return FindWindowA("#32770", kPanelCaption); }

// The editor and the name dialog share their caption; a control of its own tells each.
struct DialogSearch {
  int id;
  const char* controlClass;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<DialogSearch*>(lParam);
  char caption[64] = "";
  char cls[16] = "";
  GetWindowTextA(hwnd, caption, sizeof caption);
  GetClassNameA(GetDlgItem(hwnd, search->id), cls, sizeof cls);
  if (!IsWindowVisible(hwnd) || lstrcmpA(caption, kEditorCaption) != 0 ||
      lstrcmpiA(cls, search->controlClass) != 0)
    return TRUE;
  search->found = hwnd;
  return FALSE;
}

HWND WaitForDialog(int id, const char* controlClass) {
  DialogSearch search = {id, controlClass, nullptr};
  WaitFor(
      [&] {
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      kDialogWaitMs);
  return search.found;
}

bool WaitUntilGone(HWND dialog) {
  return WaitFor([&] { return !IsWindow(dialog); }, kDialogWaitMs);
}

// Posted, not sent: the click opens a modal dialog, which would hold a sent message.
void PostClick(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// The view's client area as 32-bit pixels, read through its top-level window's device
// context (the screen's, and a child window's own, give black for another process's window).
class ViewPixels {
 public:
  explicit ViewPixels(HWND view) {
    RECT client = {};
    GetClientRect(view, &client);
    m_width = client.right;
    m_height = client.bottom;
    if (m_width <= 0 || m_height <= 0) return;
    HWND topLevel = GetAncestor(view, GA_ROOT);
    RECT window = {};
    GetWindowRect(topLevel, &window);
    POINT origin = {0, 0};
    ClientToScreen(view, &origin);
    CWindowDC source(topLevel);
    CMemoryDC memory(source.get());
    BITMAPINFO info = TopDown32BitInfo(m_width, m_height);
    void* bits = nullptr;
    CGdiObject<HBITMAP> bitmap(
        CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!source || !memory || !bitmap) return;
    CScopedSelect selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, m_width, m_height, source.get(), origin.x - window.left,
           origin.y - window.top, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const DWORD*>(bits);
    m_pixels.assign(first, first + static_cast<size_t>(m_width) * m_height);
  }

  bool Ready() const { return !m_pixels.empty(); }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  DWORD At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x] & 0xFFFFFF; }
  bool Dark(int x, int y) const {
    const DWORD p = At(x, y);
    return (p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 200;
  }

 private:
  int m_width = 0;
  int m_height = 0;
  std::vector<DWORD> m_pixels;
};

// The sheet starts at the view's top-left corner; its right and bottom edges are where its
// shadow meets the background, found from the view's far side.
SIZE SheetSize(const ViewPixels& pixels) {
  const int row = kLineEndMargin * 2;
  const DWORD background = pixels.At(pixels.Width() - 1, row);
  int right = pixels.Width() - 1;
  while (right > 0 && pixels.At(right, row) == background) --right;
  int bottom = pixels.Height() - 1;
  while (bottom > 0 && pixels.At(row, bottom) == background) --bottom;
  return SIZE{right + 1, bottom + 1};
}

std::string Join(const std::vector<int>& values) {
  std::string text;
  for (int value : values) text += (text.empty() ? "" : ",") + std::to_string(value);
  return text;
}

int Choose(int argc, char** argv) {
  if (argc < 4) return 2;
  HWND panel = Panel();
  HWND list = panel ? GetDlgItem(panel, std::atoi(argv[2])) : nullptr;
  if (!list) return 1;
  const int index = std::atoi(argv[3]);
  SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageA(panel, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  return SendMessageA(list, CB_GETCURSEL, 0, 0) == index ? 0 : 1;
}

// A list's items, comma-separated. Read as wide text: Wine hands another process's list
// items to an ANSI caller cut short.
bool ComboTexts(HWND list, std::string& names) {
  const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
  for (int item = 0; item < count; ++item) {
    wchar_t wide[256] = L"";
    if (SendMessageW(list, CB_GETLBTEXTLEN, item, 0) >= static_cast<LRESULT>(ARRAYSIZE(wide)))
      return false;
    SendMessageW(list, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(wide));
    char name[512] = "";
    WideCharToMultiByte(CP_ACP, 0, wide, -1, name, sizeof name, nullptr, nullptr);
    names += (item ? "," : "") + std::string(name);
  }
  return true;
}

int PanelValues(int, char**) {
  HWND panel = Panel();
  if (!panel) return 1;
  const auto selection = [panel](int id) {
    return static_cast<int>(SendDlgItemMessageA(panel, id, CB_GETCURSEL, 0, 0));
  };
  char start[64] = "";
  GetDlgItemTextA(panel, IDC_START_PAGE, start, sizeof start);
  std::string names;
  if (!ComboTexts(GetDlgItem(panel, IDC_WATERMARK), names)) return 1;
  std::printf(
      "border=%d\nnumber=%d\nstart=%s\nmargins=%d\nwatermark=%d\nwatermarks=%s\nvisible=%d\n",
      selection(IDC_PAGE_BORDER), selection(IDC_PAGE_NUMBER), start, selection(IDC_PAGE_MARGINS),
      selection(IDC_WATERMARK), names.c_str(), IsWindowVisible(panel) ? 1 : 0);
  return 0;
}

int NewWatermark(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND panel = Panel();
  if (!panel) return 1;
  PostClick(panel, IDC_EDIT_WATERMARKS);
  HWND editor = WaitForDialog(IDC_WM_NEW, "Button");
  if (!editor) return 1;
  PostClick(editor, IDC_WM_NEW);
  HWND name = WaitForDialog(IDC_NAME_TEXT, "Edit");
  if (!name) return 1;
  SetDlgItemTextA(name, IDC_NAME_TEXT, argv[2]);
  PostClick(name, IDOK);
  if (!WaitUntilGone(name)) return 1;
  PostClick(editor, IDOK);
  return WaitUntilGone(editor) ? 0 : 1;
}

// The editor the panel's "..." opens, left open for the steps after it.
int OpenEditor(int, char**) {
  HWND panel = Panel();
  if (!panel) return 1;
  PostClick(panel, IDC_EDIT_WATERMARKS);
  return WaitForDialog(IDC_WM_NEW, "Button") ? 0 : 1;
}

// A click on a button of the open editor; OK and Cancel wait until it has closed.
int ClickEditor(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND editor = WaitForDialog(IDC_WM_NEW, "Button");
  if (!editor) return 1;
  const int id = std::atoi(argv[2]);
  PostClick(editor, id);
  return id == IDOK || id == IDCANCEL ? (WaitUntilGone(editor) ? 0 : 1) : 0;
}

// The names the open editor lists, comma-separated.
int EditorNames(int, char**) {
  HWND editor = WaitForDialog(IDC_WM_NEW, "Button");
  if (!editor) return 1;
  std::string names;
  if (!ComboTexts(GetDlgItem(editor, IDC_WM_NAME), names)) return 1;
  std::printf("%s\n", names.c_str());
  return 0;
}

int Sheet(int argc, char** argv) {
  if (argc < 3) return 2;
  HWND frame = FindWindowA(nullptr, argv[2]);
  HWND view = frame ? GetDlgItem(frame, IDW_PANE_FIRST) : nullptr;
  if (!view) return 1;
  const ViewPixels pixels(view);
  if (!pixels.Ready()) return 1;
  const SIZE sheet = SheetSize(pixels);
  if (sheet.cx <= 2 * kLineEndMargin || sheet.cy <= 2 * kLineEndMargin) {
    std::fprintf(stderr, "no sheet in the view (%ld x %ld found)\n", sheet.cx, sheet.cy);
    return 1;
  }
  std::vector<int> columns;
  for (int x = 0; x < sheet.cx; ++x) {
    bool unbroken = true;
    for (int y = kLineEndMargin; unbroken && y < sheet.cy - kLineEndMargin; ++y)
      unbroken = pixels.Dark(x, y);
    if (unbroken) columns.push_back(x);
  }
  std::vector<int> rows;
  for (int y = 0; y < sheet.cy; ++y) {
    bool unbroken = true;
    for (int x = kLineEndMargin; unbroken && x < sheet.cx - kLineEndMargin; ++x)
      unbroken = pixels.Dark(x, y);
    if (unbroken) rows.push_back(y);
  }
  int cornerInk = 0;
  for (int y = sheet.cy - kCornerSize; y < sheet.cy; ++y) {
    for (int x = sheet.cx - kCornerSize; x < sheet.cx; ++x) cornerInk += pixels.Dark(x, y);
  }
  int ink = 0;
  for (int y = 0; y < sheet.cy; ++y) {
    for (int x = 0; x < sheet.cx; ++x) ink += pixels.Dark(x, y);
  }
  std::printf("width=%ld\nheight=%ld\nvertical=%s\nhorizontal=%s\ncorner_ink=%d\nink=%d\n",
              sheet.cx, sheet.cy, Join(columns).c_str(), Join(rows).c_str(), cornerInk, ink);
  return 0;
}

struct CommandRow {
  const char* name;
  int (*run)(int argc, char** argv);
};

constexpr CommandRow kCommands[] = {
    {"choose", Choose},
    {"panel", PanelValues},
    {"sheet", Sheet},
    {"new-watermark", NewWatermark},
    {"open-editor", OpenEditor},
    {"click-editor", ClickEditor},
    {"editor-names", EditorNames},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2) {
    for (const CommandRow& row : kCommands) {
      if (std::string(argv[1]) == row.name) return row.run(argc, argv);
    }
  }
  std::fprintf(stderr,
               "usage: options_driver choose ID INDEX | panel | sheet CAPTION |"
               " new-watermark NAME | open-editor | click-editor ID | editor-names\n");
  return 2;
}
