#include "sheet_raster.h"

#include "gdi_holders.h"

namespace {

constexpr double kInchesPerMeter = 1000.0 / 25.4;

}  // namespace

bool RasteriseSheet(const SheetDrawer& draw, int sheet, SIZE size, int dpi, Image& image) {
  // 32 bits per pixel: a memory DC takes a bitmap of that depth whatever the screen's.
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  CMemoryDC dc(nullptr);
  CGdiObject<HBITMAP> bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc || !bitmap || !bits) return false;
  {
    CScopedSelect selected(dc.get(), bitmap.get());
    if (!selected.selected()) return false;
    const RECT area = {0, 0, size.cx, size.cy};
    FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    draw(dc.get(), area, sheet);
  }
  // Selecting the bitmap out has made GDI finish any drawing it batched (GdiFlush is not
  // in Windows 95's GDI), so the bits are complete.

  image.width = static_cast<std::uint32_t>(size.cx);
  image.height = static_cast<std::uint32_t>(size.cy);
  image.pixelsPerMeterX = image.pixelsPerMeterY = static_cast<std::uint32_t>(dpi * kInchesPerMeter + 0.5);
  image.palette.clear();
  image.indices.clear();
  image.rgb.resize(std::size_t(image.width) * image.height * 3);
  const std::uint8_t* from = static_cast<const std::uint8_t*>(bits);
  std::uint8_t* to = image.rgb.data();
  for (std::size_t i = 0, n = std::size_t(image.width) * image.height; i < n; ++i, from += 4, to += 3) {
    to[0] = from[2];
    to[1] = from[1];
    to[2] = from[0];
  }
  return true;
}
