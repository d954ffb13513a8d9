#include "wnd.h"

#include <algorithm>

namespace {

constexpr char kObjectProperty[] = "QuillorWindowObject";

// The object whose window CreateEx is creating, until its first message binds it.
CWnd* g_creating = nullptr;

}  // namespace

CWnd::~CWnd() {
  if (m_hWnd && GetPropA(m_hWnd, kObjectProperty) == this) {
    // A window still alive when its object goes: it must not reach the object again.
    HWND hwnd = m_hWnd;
    Unbind();
    ::DestroyWindow(hwnd);
  }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<CWnd*>(GetPropA(hwnd, kObjectProperty)) : nullptr;
}

const char* CWnd::RegisterFrameworkClass(const char* name, UINT style, HBRUSH background,
                                         HICON icon) {
  WNDCLASSA existing;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (GetClassInfoA(instance, name, &existing)) return name;
  WNDCLASSA wc = {};
  wc.style = style;
  wc.lpfnWndProc = StaticWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = name;
  return RegisterClassA(&wc) ? name : nullptr;
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId) {
  CWnd* previous = g_creating;
  g_creating = this;
  HWND hwnd = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                              menuOrId, GetModuleHandleA(nullptr), nullptr);
  g_creating = previous;
  return hwnd != nullptr;
}

void CWnd::Attach(HWND hwnd) { Bind(hwnd); }

void CWnd::Detach() { Unbind(); }

bool CWnd::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd); }

void CWnd::CenterWindow() const {
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  RECT area = work;
  // A dialog opened over another dialog or the options panel still centres on the window
  // they all belong to.
  HWND owner = GetWindow(m_hWnd, GW_OWNER);
  while (HWND next = owner ? GetWindow(owner, GW_OWNER) : nullptr) owner = next;
  if (owner) GetWindowRect(owner, &area);
  RECT rect = {};
  GetWindowRect(m_hWnd, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int centredX = area.left + (area.right - area.left - width) / 2;
  const int centredY = area.top + (area.bottom - area.top - height) / 2;
  // An owner partly off the screen must not take the window with it.
  const int x = std::max<int>(work.left, std::min<int>(centredX, work.right - width));
  const int y = std::max<int>(work.top, std::min<int>(centredY, work.bottom - height));
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CWnd::PreTranslateMessage(MSG* msg) {
  (void)msg;
  return false;
}

void CWnd::Bind(HWND hwnd) {
  m_hWnd = hwnd;
  SetPropA(hwnd, kObjectProperty, this);
}

void CWnd::Unbind() {
  if (m_hWnd) RemovePropA(m_hWnd, kObjectProperty);
  m_hWnd = nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
  CWnd* wnd = FromHandle(hwnd);
  if (!wnd && g_creating) {
    wnd = g_creating;
    g_creating = nullptr;
    wnd->Bind(hwnd);
  }
  if (!wnd) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    wnd->Unbind();
    wnd->PostNcDestroy();
    return result;
  }
  return wnd->WindowProc(message, wParam, lParam);
}
