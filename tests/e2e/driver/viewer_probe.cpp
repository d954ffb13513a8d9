// Runs inside the viewer, loaded there by a driver (remote_library.h): under Wine a
// menu handle and a window's scroll information are readable only in the process that
// owns them. Each reader runs on a thread of its own; what it needs from the viewer's
// GUI thread it asks for by sending messages, with a bound.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "probe_request.h"

namespace {

constexpr UINT kSendTimeoutMs = 5000;

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
  return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result) != 0;
}

// "text<TAB>id", then "<TAB>checked" and "<TAB>grayed" as they apply; "-" for a separator.
std::string ItemLine(HMENU menu, int position) {
  const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (state & MF_SEPARATOR) return "-";
  char text[256] = "";
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  std::string line = text;
  line += "\t" + std::to_string(GetMenuItemID(menu, position));
  if (state & MF_CHECKED) line += "\tchecked";
  if (state & (MF_GRAYED | MF_DISABLED)) line += "\tgrayed";
  return line;
}

// Every item below `menu` as one line, prefixed with its popups' texts and "/". With a
// frame, each popup is first announced to it by WM_INITMENUPOPUP, as opening it does, so
// that the frame's update handlers have set the items' states.
bool AppendMenuLines(HMENU menu, const std::string& path, HWND frame, std::string& lines) {
  const int count = GetMenuItemCount(menu);
  if (count < 0) return false;
  for (int i = 0; i < count; ++i) {
    HMENU popup = GetSubMenu(menu, i);
    if (!popup) {
      lines += path + ItemLine(menu, i) + "\n";
      continue;
    }
    DWORD_PTR ignored = 0;
    if (frame && !Send(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                       MAKELPARAM(i, FALSE), ignored))
      return false;
    char text[256] = "";
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    if (!AppendMenuLines(popup, path + text + "/", frame, lines)) return false;
  }
  return true;
}

// Refuses text that would not fit rather than cut it.
DWORD HandBack(void* parameter, const std::string& text) {
  auto* request = static_cast<ProbeRequest*>(parameter);
  if (text.size() >= sizeof request->text) return 0;
  std::memcpy(request->text, text.c_str(), text.size() + 1);
  return 1;
}

HWND RequestedWindow(void* parameter) { return static_cast<ProbeRequest*>(parameter)->window; }

}  // namespace

extern "C" DWORD WINAPI ReadFrameMenu(void* parameter) {
  HWND frame = RequestedWindow(parameter);
  HMENU menu = GetMenu(frame);
  std::string lines;
  if (!menu || !AppendMenuLines(menu, "", frame, lines)) return 0;
  return HandBack(parameter, lines);
}

extern "C" DWORD WINAPI ReadShownMenu(void* parameter) {
  DWORD_PTR menu = 0;
  if (!Send(RequestedWindow(parameter), MN_GETHMENU, 0, 0, menu) || !menu) return 0;
  std::string lines;
  if (!AppendMenuLines(reinterpret_cast<HMENU>(menu), "", nullptr, lines)) return 0;
  return HandBack(parameter, lines);
}

extern "C" DWORD WINAPI ReadScrollState(void* parameter) {
  HWND window = RequestedWindow(parameter);
  SCROLLINFO horizontal = {};
  horizontal.cbSize = sizeof horizontal;
  horizontal.fMask = SIF_RANGE | SIF_POS;
  SCROLLINFO vertical = horizontal;
  if (!GetScrollInfo(window, SB_HORZ, &horizontal) || !GetScrollInfo(window, SB_VERT, &vertical))
    return 0;
  return HandBack(parameter, "width=" + std::to_string(horizontal.nMax - horizontal.nMin + 1) +
                                 "\nheight=" + std::to_string(vertical.nMax - vertical.nMin + 1) +
                                 "\nx=" + std::to_string(horizontal.nPos) +
                                 "\ny=" + std::to_string(vertical.nPos) + "\n");
}

extern "C" DWORD WINAPI ReadStatusPanes(void* parameter) {
  HWND bar = RequestedWindow(parameter);
  const int panes = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
  std::string lines;
  for (int pane = 0; pane < panes; ++pane) {
    std::string text(LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, pane, 0)) + 1, '\0');
    SendMessageA(bar, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(&text[0]));
    lines += "pane_" + std::to_string(pane) + "=" + text.c_str() + "\n";
  }
  return HandBack(parameter, lines);
}
