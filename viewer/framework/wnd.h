#pragma once

#include <windows.h>

#include "cmd_target.h"

// A window of the framework: the object behind an HWND. Windows the framework creates
// send every message to WindowProc; controls made elsewhere are only attached, so that
// FromHandle finds their object.
class CWnd : public CCmdTarget {
 public:
  CWnd() = default;
  ~CWnd() override;

  static CWnd* FromHandle(HWND hwnd);

  // Registers (once) a window class of the framework that sends its messages to objects.
  static const char* RegisterFrameworkClass(const char* name, UINT style, HBRUSH background,
                                            HICON icon);
  bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                int y, int width, int height, HWND parent, HMENU menuOrId);
  // Binds an existing window (a control) to this object without taking its messages.
  void Attach(HWND hwnd);
  void Detach();
  bool DestroyWindow();

  HWND GetSafeHwnd() const { return m_hWnd; }
  bool IsWindowVisible() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }
  void ShowWindow(int command) const {
    if (m_hWnd) ::ShowWindow(m_hWnd, command);
  }
  // Centres the window over its owner's first owner (the window owning the chain), or over
  // the screen's work area without one.
  void CenterWindow() const;
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }

  // Messages meant for this window or its children, before they are dispatched; true
  // when the message was used up.
  virtual bool PreTranslateMessage(MSG* msg);

  HWND m_hWnd = nullptr;

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // After the window's last message; the object itself lives on.
  virtual void PostNcDestroy() {}

  // Binds the handle to this object; called with the first message of a new window.
  void Bind(HWND hwnd);
  void Unbind();

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam);
  friend class CDialog;
};
