#pragma once

#include <windows.h>

// Begins painting a window and ends it once.
class CPaintDC {
 public:
  explicit CPaintDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(BeginPaint(hwnd, &m_ps)) {}
  ~CPaintDC() { EndPaint(m_hwnd, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;

  HDC get() const { return m_hdc; }
  const RECT& area() const { return m_ps.rcPaint; }

 private:
  HWND m_hwnd;
  PAINTSTRUCT m_ps;
  HDC m_hdc;
};

// A window's device context from GetDC, released once.
class CClientDC {
 public:
  explicit CClientDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(GetDC(hwnd)) {}
  ~CClientDC() {
    if (m_hdc) ReleaseDC(m_hwnd, m_hdc);
  }
  CClientDC(const CClientDC&) = delete;
  CClientDC& operator=(const CClientDC&) = delete;

  HDC get() const { return m_hdc; }

 private:
  HWND m_hwnd;
  HDC m_hdc;
};

// A GDI object created for drawing and deleted once.
template <class Handle>
class CGdiObject {
 public:
  explicit CGdiObject(Handle handle) : m_handle(handle) {}
  ~CGdiObject() {
    if (m_handle) DeleteObject(m_handle);
  }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  Handle get() const { return m_handle; }

 private:
  Handle m_handle;
};

// Selects an object into a device context and puts the previous one back.
class CScopedSelect {
 public:
  CScopedSelect(HDC hdc, HGDIOBJ object) : m_hdc(hdc), m_previous(SelectObject(hdc, object)) {}
  ~CScopedSelect() {
    if (m_previous) SelectObject(m_hdc, m_previous);
  }
  CScopedSelect(const CScopedSelect&) = delete;
  CScopedSelect& operator=(const CScopedSelect&) = delete;

 private:
  HDC m_hdc;
  HGDIOBJ m_previous;
};
