#include "page_footprint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kHundredthsPerMillimetre = 100.0;
// A picture's recorded bounds may miss a pen's width or a rounding; this much of the page's
// size is added on each side, and never less than kMinimumMargin units.
constexpr int kMarginDivisor = 16;
constexpr int kMinimumMargin = 4;

// A half-open area in the frame's units, 0.01 mm.
struct Extent {
  double left;
  double top;
  double right;
  double bottom;
};

// A footprint never reaches beyond the coordinates GDI takes on NT (2^27), so no far-flung
// recorded bounds can overflow what follows.
constexpr double kMaxCoordinate = 1 << 27;

LONG Coordinate(double value) {
  return static_cast<LONG>(std::clamp(value, -kMaxCoordinate, kMaxCoordinate));
}

bool ReadHeader(HENHMETAFILE metafile, ENHMETAHEADER& header) {
  return metafile && GetEnhMetaFileHeader(metafile, sizeof header, &header) >= sizeof header;
}

bool RecordsNothing(const ENHMETAHEADER& header) {
  return header.rclBounds.right < header.rclBounds.left ||
         header.rclBounds.bottom < header.rclBounds.top;
}

bool HasFrame(const ENHMETAHEADER& header) {
  return header.rclFrame.right > header.rclFrame.left &&
         header.rclFrame.bottom > header.rclFrame.top;
}

// The recorded bounds, inclusive units of the recording device, in the frame's units; false
// when nothing was recorded or the header gives no device size to convert with.
bool RecordedExtent(const ENHMETAHEADER& header, Extent& extent) {
  if (RecordsNothing(header)) return false;
  if (header.szlDevice.cx <= 0 || header.szlDevice.cy <= 0 ||
      header.szlMillimeters.cx <= 0 || header.szlMillimeters.cy <= 0)
    return false;
  const double perUnitX = kHundredthsPerMillimetre * header.szlMillimeters.cx / header.szlDevice.cx;
  const double perUnitY = kHundredthsPerMillimetre * header.szlMillimeters.cy / header.szlDevice.cy;
  const RECTL& bounds = header.rclBounds;
  extent = {bounds.left * perUnitX, bounds.top * perUnitY, (bounds.right + 1.0) * perUnitX,
            (bounds.bottom + 1.0) * perUnitY};
  return true;
}

}  // namespace

RECT PageFootprint(HENHMETAFILE metafile, const RECT& page) {
  RECT footprint = page;
  ENHMETAHEADER header;
  Extent extent;
  if (ReadHeader(metafile, header) && HasFrame(header) && RecordedExtent(header, extent)) {
    // Mapped as the player maps the frame onto the page rectangle.
    const RECTL& frame = header.rclFrame;
    const double scaleX = (static_cast<double>(page.right) - page.left) /
                          (static_cast<double>(frame.right) - frame.left);
    const double scaleY = (static_cast<double>(page.bottom) - page.top) /
                          (static_cast<double>(frame.bottom) - frame.top);
    const RECT reached = {
        Coordinate(page.left + std::floor((extent.left - frame.left) * scaleX)),
        Coordinate(page.top + std::floor((extent.top - frame.top) * scaleY)),
        Coordinate(page.left + std::ceil((extent.right - frame.left) * scaleX)),
        Coordinate(page.top + std::ceil((extent.bottom - frame.top) * scaleY))};
    UnionRect(&footprint, &page, &reached);
  }
  const int marginX = static_cast<int>(std::max<std::int64_t>(
      kMinimumMargin, (static_cast<std::int64_t>(page.right) - page.left) / kMarginDivisor));
  const int marginY = static_cast<int>(std::max<std::int64_t>(
      kMinimumMargin, (static_cast<std::int64_t>(page.bottom) - page.top) / kMarginDivisor));
  InflateRect(&footprint, marginX, marginY);
  return footprint;
}

bool DrawsInsideFrame(HENHMETAFILE metafile) {
  if (!metafile) return true;
  ENHMETAHEADER header;
  if (!ReadHeader(metafile, header)) return false;
  if (RecordsNothing(header)) return true;
  Extent extent;
  if (!RecordedExtent(header, extent)) return false;
  // The frame is inclusive: its last hundredth of a millimetre still belongs to it.
  const RECTL& frame = header.rclFrame;
  return extent.left >= frame.left && extent.top >= frame.top &&
         extent.right <= frame.right + 1.0 && extent.bottom <= frame.bottom + 1.0;
}
