#include "sheet_canvas.h"

#include "dib_info.h"
#include <algorithm>
#include <stdexcept>

SheetCanvas::SheetCanvas(int width, int height) : m_width(width), m_height(height) {
  BITMAPINFO info = TopDown32BitInfo(width, height);
  void* bits = nullptr;
  m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  m_dc = CreateCompatibleDC(nullptr);
  if (!m_bitmap || !m_dc) {
    if (m_bitmap) DeleteObject(m_bitmap);
    if (m_dc) DeleteDC(m_dc);
    throw std::runtime_error("no memory canvas");
  }
  m_bits = static_cast<const std::uint32_t*>(bits);
  m_previous = SelectObject(m_dc, m_bitmap);
  const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  const RECT all = Whole();
  FillRect(m_dc, &all, green);
  DeleteObject(green);
}

SheetCanvas::~SheetCanvas() {
  SelectObject(m_dc, m_previous);
  DeleteDC(m_dc);
  DeleteObject(m_bitmap);
}

COLORREF SheetCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) throw std::out_of_range("pixel");
  GdiFlush();
  const std::uint32_t bgr = m_bits[static_cast<size_t>(y) * static_cast<size_t>(m_width) +
                                   static_cast<size_t>(x)];
  return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

bool SheetCanvas::IsDark(int x, int y) const {
  const COLORREF colour = Pixel(x, y);
  return GetRValue(colour) < 0x60 && GetGValue(colour) < 0x60 && GetBValue(colour) < 0x60;
}

RECT SheetCanvas::Clip(const RECT& area) const {
  return {std::max<LONG>(area.left, 0), std::max<LONG>(area.top, 0),
          std::min<LONG>(area.right, m_width), std::min<LONG>(area.bottom, m_height)};
}

RECT SheetCanvas::DarkBounds(const RECT& area) const {
  const RECT clip = Clip(area);
  RECT bounds = {clip.right, clip.bottom, clip.left, clip.top};
  for (int y = clip.top; y < clip.bottom; ++y) {
    for (int x = clip.left; x < clip.right; ++x) {
      if (!IsDark(x, y)) continue;
      bounds.left = std::min<LONG>(bounds.left, x);
      bounds.top = std::min<LONG>(bounds.top, y);
      bounds.right = std::max<LONG>(bounds.right, x + 1);
      bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
    }
  }
  if (bounds.left >= bounds.right) return {0, 0, 0, 0};
  return bounds;
}

int SheetCanvas::CountDark(const RECT& area) const {
  const RECT clip = Clip(area);
  int count = 0;
  for (int y = clip.top; y < clip.bottom; ++y) {
    for (int x = clip.left; x < clip.right; ++x) count += IsDark(x, y) ? 1 : 0;
  }
  return count;
}
