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

  explicit operator bool() const { return m_hdc != nullptr; }
  HDC get() const { return m_hdc; }

 private:
  HWND m_hwnd;
  HDC m_hdc;
};

// A device context of a whole window, frame and all, from GetWindowDC; released once.
class CWindowDC {
 public:
  explicit CWindowDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(GetWindowDC(hwnd)) {}
  ~CWindowDC() {
    if (m_hdc) ReleaseDC(m_hwnd, m_hdc);
  }
  CWindowDC(const CWindowDC&) = delete;
  CWindowDC& operator=(const CWindowDC&) = delete;

  explicit operator bool() const { return m_hdc != nullptr; }
  HDC get() const { return m_hdc; }

 private:
  HWND m_hwnd;
  HDC m_hdc;
};

// A memory device context compatible with `reference` (the screen when null); deleted once.
class CMemoryDC {
 public:
  explicit CMemoryDC(HDC reference) : m_hdc(CreateCompatibleDC(reference)) {}
  ~CMemoryDC() {
    if (m_hdc) DeleteDC(m_hdc);
  }
  CMemoryDC(const CMemoryDC&) = delete;
  CMemoryDC& operator=(const CMemoryDC&) = delete;

  explicit operator bool() const { return m_hdc != nullptr; }
  HDC get() const { return m_hdc; }

 private:
  HDC m_hdc;
};

// A device context from CreateDC (a printer's, for instance), deleted once.
class CCreatedDC {
 public:
  explicit CCreatedDC(HDC hdc) : m_hdc(hdc) {}
  ~CCreatedDC() {
    if (m_hdc) DeleteDC(m_hdc);
  }
  CCreatedDC(const CCreatedDC&) = delete;
  CCreatedDC& operator=(const CCreatedDC&) = delete;

  explicit operator bool() const { return m_hdc != nullptr; }
  HDC get() const { return m_hdc; }

 private:
  HDC m_hdc;
};

// A GDI object created for drawing and deleted once, unless released to a new owner.
template <class Handle>
class CGdiObject {
 public:
  explicit CGdiObject(Handle handle) : m_handle(handle) {}
  ~CGdiObject() {
    if (m_handle) DeleteObject(m_handle);
  }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  explicit operator bool() const { return m_handle != nullptr; }
  Handle get() const { return m_handle; }
  Handle release() {
    Handle handle = m_handle;
    m_handle = nullptr;
    return handle;
  }

 private:
  Handle m_handle;
};

// Selects an object into a device context and puts the previous one back.
class CScopedSelect {
 public:
  CScopedSelect(HDC hdc, HGDIOBJ object) : m_hdc(hdc), m_previous(SelectObject(hdc, object)) {}
  ~CScopedSelect() {
    if (selected()) SelectObject(m_hdc, m_previous);
  }
  CScopedSelect(const CScopedSelect&) = delete;
  CScopedSelect& operator=(const CScopedSelect&) = delete;

  // False when the device refused the object (for instance a bitmap of another depth).
  bool selected() const { return m_previous != nullptr && m_previous != HGDI_ERROR; }

 private:
  HDC m_hdc;
  HGDIOBJ m_previous;
};

// An enhanced metafile opened for playing; deleted once.
class CScopedEnhMetaFile {
 public:
  explicit CScopedEnhMetaFile(HENHMETAFILE metafile) : m_metafile(metafile) {}
  ~CScopedEnhMetaFile() {
    if (m_metafile) DeleteEnhMetaFile(m_metafile);
  }
  CScopedEnhMetaFile(const CScopedEnhMetaFile&) = delete;
  CScopedEnhMetaFile& operator=(const CScopedEnhMetaFile&) = delete;

  explicit operator bool() const { return m_metafile != nullptr; }
  HENHMETAFILE get() const { return m_metafile; }

 private:
  HENHMETAFILE m_metafile;
};

// An enhanced metafile being recorded in memory against `reference`'s resolution, `frame`
// in hundredths of a millimetre; what was recorded is thrown away unless Close takes it.
class CMetaFileDC {
 public:
  CMetaFileDC(HDC reference, const RECT& frame)
      : m_hdc(CreateEnhMetaFileA(reference, nullptr, &frame, nullptr)) {}
  ~CMetaFileDC() {
    if (m_hdc) DeleteEnhMetaFile(CloseEnhMetaFile(m_hdc));
  }
  CMetaFileDC(const CMetaFileDC&) = delete;
  CMetaFileDC& operator=(const CMetaFileDC&) = delete;

  explicit operator bool() const { return m_hdc != nullptr; }
  HDC get() const { return m_hdc; }
  // Ends the recording; the metafile is the caller's (nullptr when none could be made).
  HENHMETAFILE Close() {
    HENHMETAFILE metafile = m_hdc ? CloseEnhMetaFile(m_hdc) : nullptr;
    m_hdc = nullptr;
    return metafile;
  }

 private:
  HDC m_hdc;
};

// A bitmap like `target`'s to paint a window's area into before it is shown in one go.
class CBitmapBuffer {
 public:
  CBitmapBuffer(HDC target, int width, int height)
      : m_dc(target),
        m_bitmap(CreateCompatibleBitmap(target, width, height)),
        m_selected(m_dc.get(), m_bitmap.get()) {}

  bool IsReady() const { return m_dc && m_bitmap && m_selected.selected(); }
  HDC dc() const { return m_dc.get(); }

 private:
  CMemoryDC m_dc;
  CGdiObject<HBITMAP> m_bitmap;
  CScopedSelect m_selected;
};
