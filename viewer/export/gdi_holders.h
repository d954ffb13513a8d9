#pragma once

#include <windows.h>

// The screen's device context (the desktop window's), released on every path.
class ScreenDC {
 public:
  ScreenDC() : m_window(GetDesktopWindow()), m_dc(GetDC(m_window)) {}
  ~ScreenDC() {
    if (m_dc) ReleaseDC(m_window, m_dc);
  }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;

  explicit operator bool() const { return m_dc != nullptr; }
  HDC get() const { return m_dc; }

 private:
  HWND m_window;
  HDC m_dc;
};

// A memory device context compatible with `reference` (the screen when null); deleted once.
class MemoryDC {
 public:
  explicit MemoryDC(HDC reference) : m_dc(CreateCompatibleDC(reference)) {}
  ~MemoryDC() {
    if (m_dc) DeleteDC(m_dc);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  explicit operator bool() const { return m_dc != nullptr; }
  HDC get() const { return m_dc; }

 private:
  HDC m_dc;
};

// Selects an object into a device context and selects the previous one back at the end.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (selected()) SelectObject(m_dc, m_previous);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

  // False when the device refused the object (for instance a bitmap of another depth).
  bool selected() const { return m_previous != nullptr && m_previous != HGDI_ERROR; }

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// Owns a bitmap until it is deleted or released to a new owner.
class ScopedBitmap {
 public:
  explicit ScopedBitmap(HBITMAP bitmap) : m_bitmap(bitmap) {}
  ~ScopedBitmap() {
    if (m_bitmap) DeleteObject(m_bitmap);
  }
  ScopedBitmap(const ScopedBitmap&) = delete;
  ScopedBitmap& operator=(const ScopedBitmap&) = delete;

  explicit operator bool() const { return m_bitmap != nullptr; }
  HBITMAP get() const { return m_bitmap; }
  HBITMAP release() {
    HBITMAP bitmap = m_bitmap;
    m_bitmap = nullptr;
    return bitmap;
  }

 private:
  HBITMAP m_bitmap;
};

// Owns an enhanced metafile opened for playing; deleted once.
class ScopedEnhMetaFile {
 public:
  explicit ScopedEnhMetaFile(HENHMETAFILE metafile) : m_metafile(metafile) {}
  ~ScopedEnhMetaFile() {
    if (m_metafile) DeleteEnhMetaFile(m_metafile);
  }
  ScopedEnhMetaFile(const ScopedEnhMetaFile&) = delete;
  ScopedEnhMetaFile& operator=(const ScopedEnhMetaFile&) = delete;

  explicit operator bool() const { return m_metafile != nullptr; }
  HENHMETAFILE get() const { return m_metafile; }

 private:
  HENHMETAFILE m_metafile;
};
