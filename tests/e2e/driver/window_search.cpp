#include "window_search.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kDialogClass[] = "#32770";

bool TextMatches(const char* text, const char* pattern) {
  const std::string wanted = pattern;
  if (wanted.empty() || wanted.back() != '*') return wanted == text;
  if (wanted.size() > 1 && wanted.front() == '*')
    return std::strstr(text, wanted.substr(1, wanted.size() - 2).c_str()) != nullptr;
  return std::strncmp(text, pattern, wanted.size() - 1) == 0;
}

struct BoxSearch {
  const char* text;
  std::vector<HWND> found;
};

BOOL CALLBACK MatchStatic(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  char cls[32] = "";
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") != 0) return TRUE;
  char text[1024] = "";
  GetWindowTextA(child, text, sizeof text);
  if (TextMatches(text, search->text)) {
    search->found.push_back(GetParent(child));
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK MatchBox(HWND hwnd, LPARAM param) {
  char cls[32] = "";
  GetClassNameA(hwnd, cls, sizeof cls);
  if (std::strcmp(cls, kDialogClass) == 0 && IsWindowVisible(hwnd))
    EnumChildWindows(hwnd, MatchStatic, param);
  return TRUE;
}

std::vector<HWND> MessageBoxesShowing(const char* text) {
  BoxSearch search = {text, {}};
  EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct OwnedSearch {
  HWND owner;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchOwned(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<OwnedSearch*>(param);
  char caption[256] = "";
  GetWindowTextA(hwnd, caption, sizeof caption);
  if (GetWindow(hwnd, GW_OWNER) == search->owner && std::strcmp(caption, search->caption) == 0) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool WaitFor(const std::function<bool()>& found, int timeoutMs) {
  for (int waited = 0;; waited += 50) {
    if (found()) return true;
    if (waited >= timeoutMs) return false;
    Sleep(50);
  }
}

HWND FindOwnedWindow(HWND owner, const char* caption) {
  OwnedSearch search = {owner, caption, nullptr};
  EnumWindows(MatchOwned, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindMessageBox(const char* text) {
  const std::vector<HWND> boxes = MessageBoxesShowing(text);
  return boxes.empty() ? nullptr : boxes.front();
}

int CountMessageBoxes(const char* text) {
  return static_cast<int>(MessageBoxesShowing(text).size());
}

bool CaptureWindowToBmp(HWND hwnd, const char* path) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetWindowDC(hwnd);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool written = false;
  if (bitmap) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + rowBytes * height;
    if (FILE* out = std::fopen(path, "wb")) {
      written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                std::fwrite(bits, rowBytes * height, 1, out) == 1;
      written = std::fclose(out) == 0 && written;
    }
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(hwnd, screen);
  return written;
}
