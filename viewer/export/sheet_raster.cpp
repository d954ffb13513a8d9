#include "sheet_raster.h"

#include "dib_info.h"
#include "gdi_holders.h"
#include "sheet_text_font.h"

namespace {

constexpr double kInchesPerMeter = 1000.0 / 25.4;
// Below this a sheet is not worth drawing: every band replays each page's metafile.
constexpr int kSmallestBand = 64;

HBITMAP CreateBandBitmap(HDC dc, int width, int height, void** bits) {
  const BITMAPINFO info = TopDown32BitInfo(width, height);
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

void CopyRows(const std::uint8_t* from, std::size_t pixels, std::uint8_t* to) {
  for (std::size_t i = 0; i < pixels; ++i, from += 4, to += 3) {
    to[0] = from[2];
    to[1] = from[1];
    to[2] = from[0];
  }
}

}  // namespace

bool RasteriseSheetInBands(const SheetDrawer& draw, int sheet, SIZE size, int dpi, int bandHeight,
                           Image& image) {
  void* bits = nullptr;
  CMemoryDC dc(nullptr);
  CGdiObject<HBITMAP> bitmap(dc ? CreateBandBitmap(dc.get(), size.cx, bandHeight, &bits) : nullptr);
  if (!bitmap || !bits) return false;
  CGdiObject<HFONT> font(CreateSheetTextFont(dpi));
  CScopedSelect selectedFont(dc.get(), font.get());
  const bool banded = bandHeight < size.cy;
  image.width = static_cast<std::uint32_t>(size.cx);
  image.height = static_cast<std::uint32_t>(size.cy);
  image.pixelsPerMeterX = image.pixelsPerMeterY = static_cast<std::uint32_t>(dpi * kInchesPerMeter + 0.5);
  image.palette.clear();
  image.indices.clear();
  image.rgb.resize(std::size_t(image.width) * image.height * 3);
  const RECT whole = {0, 0, size.cx, size.cy};
  for (int top = 0; top < size.cy; top += bandHeight) {
    const int rows = std::min<int>(bandHeight, size.cy - top);
    {
      CScopedSelect selected(dc.get(), bitmap.get());
      if (!selected.selected()) return false;
      // The band shows the sheet's rows from `top`; its clip tells the drawing which pages
      // it can leave out, as the screen's does.
      SetViewportOrgEx(dc.get(), 0, -top, nullptr);
      CGdiObject<HRGN> clip(banded ? CreateRectRgn(0, 0, size.cx, bandHeight) : nullptr);
      if (banded) SelectClipRgn(dc.get(), clip.get());
      const RECT band = {0, top, size.cx, top + bandHeight};
      FillRect(dc.get(), &band, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      draw(dc.get(), whole, sheet);
      SelectClipRgn(dc.get(), nullptr);
    }
    // Selecting the bitmap out has made GDI finish any drawing it batched (GdiFlush is not
    // in Windows 95's GDI), so the bits are complete.
    CopyRows(static_cast<const std::uint8_t*>(bits), std::size_t(size.cx) * rows,
             image.rgb.data() + std::size_t(top) * size.cx * 3);
  }
  return true;
}

bool RasteriseSheet(const SheetDrawer& draw, int sheet, SIZE size, int dpi, Image& image) {
  // A system short of one whole bitmap may still give a half or a quarter of it.
  for (int bandHeight = size.cy;; bandHeight = (bandHeight + 1) / 2) {
    if (RasteriseSheetInBands(draw, sheet, size, dpi, bandHeight, image)) return true;
    if (bandHeight <= kSmallestBand) return false;
  }
}
