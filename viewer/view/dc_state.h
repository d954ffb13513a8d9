#pragma once

#include <windows.h>

// Sets a device context's background mode and puts the previous one back.
class ScopedBkMode {
 public:
  ScopedBkMode(HDC dc, int mode) : m_dc(dc), m_previous(SetBkMode(dc, mode)) {}
  ~ScopedBkMode() {
    if (m_previous) SetBkMode(m_dc, m_previous);
  }
  ScopedBkMode(const ScopedBkMode&) = delete;
  ScopedBkMode& operator=(const ScopedBkMode&) = delete;

 private:
  HDC m_dc;
  int m_previous;
};

// Sets a device context's text alignment and puts the previous one back.
class ScopedTextAlign {
 public:
  ScopedTextAlign(HDC dc, UINT align) : m_dc(dc), m_previous(SetTextAlign(dc, align)) {}
  ~ScopedTextAlign() {
    if (m_previous != GDI_ERROR) SetTextAlign(m_dc, m_previous);
  }
  ScopedTextAlign(const ScopedTextAlign&) = delete;
  ScopedTextAlign& operator=(const ScopedTextAlign&) = delete;

 private:
  HDC m_dc;
  UINT m_previous;
};
