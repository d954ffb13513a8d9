#pragma once

#include <windows.h>

#include <cstdint>

// A 32-bit top-down bitmap in a memory device context, for drawing sheets and reading
// their pixels back. It starts filled with pure green, which nothing on a sheet uses, so
// what a drawing left untouched can be told from white paper.
class SheetCanvas {
 public:
  SheetCanvas(int width, int height);
  ~SheetCanvas();
  SheetCanvas(const SheetCanvas&) = delete;
  SheetCanvas& operator=(const SheetCanvas&) = delete;

  HDC dc() const { return m_dc; }
  int width() const { return m_width; }
  int height() const { return m_height; }

  COLORREF Pixel(int x, int y) const;
  bool IsWhite(int x, int y) const { return Pixel(x, y) == RGB(255, 255, 255); }
  bool IsUntouched(int x, int y) const { return Pixel(x, y) == RGB(0, 255, 0); }
  // Black or nearly so: lines, text and outlines.
  bool IsDark(int x, int y) const;

  // The smallest rectangle holding every dark pixel of `area`; empty when there is none.
  RECT DarkBounds(const RECT& area) const;
  int CountDark(const RECT& area) const;
  RECT Whole() const { return {0, 0, m_width, m_height}; }

 private:
  RECT Clip(const RECT& area) const;

  int m_width;
  int m_height;
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_previous = nullptr;
  const std::uint32_t* m_bits = nullptr;
};
