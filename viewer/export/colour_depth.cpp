#include "colour_depth.h"

#include "framework/gdi_holders.h"

namespace {

ColourDepth DeviceDepth(HDC dc) {
  ColourDepth depth;
  depth.bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL);
  depth.planes = GetDeviceCaps(dc, PLANES);
  return depth;
}

ColourDepth ReadDeviceCaps(HDC dc) {
  if (dc) return DeviceDepth(dc);
  CClientDC screen(GetDesktopWindow());
  return screen ? DeviceDepth(screen.get()) : ColourDepth();
}

ColourDepthSource g_source = ReadDeviceCaps;

}  // namespace

ColourDepth ReadColourDepth(HDC dc) { return g_source(dc); }

ColourDepthSource SetColourDepthSource(ColourDepthSource source) {
  ColourDepthSource previous = g_source;
  g_source = source ? source : ReadDeviceCaps;
  return previous;
}
