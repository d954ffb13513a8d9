#include "metafile_pictures.h"

#include <climits>
#include <cmath>

#include "page_playback.h"
#include "sheet_raster.h"

namespace {

// GDI's coordinates are safe well inside 27 bits; an area so small that the frame around
// it would reach past them cannot be drawn.
constexpr double kLargestCoordinate = 1 << 26;
constexpr double kHundredthsMmPerInch = 2540;

bool ToCoordinate(double value, LONG& coordinate) {
  if (!(std::fabs(value) <= kLargestCoordinate)) return false;
  coordinate = std::lround(value);
  return true;
}

}  // namespace

MetafilePictures::MetafilePictures(HENHMETAFILE sheet) : m_sheet(sheet) {
  ENHMETAHEADER header;
  if (GetEnhMetaFileHeader(sheet, sizeof header, &header) >= sizeof header) m_frame = header.rclFrame;
}

bool MetafilePictures::Draw(std::size_t lastRecord, const FrameArea& area, std::uint32_t width,
                            std::uint32_t height, Image& image) {
  const double areaWidth = area.right - area.left;
  const double areaHeight = area.bottom - area.top;
  if (width < 1 || height < 1 || !(areaWidth > 0) || !(areaHeight > 0) || width > LONG_MAX || height > LONG_MAX)
    return false;
  // The frame placed so that the area fills the picture.
  const double scaleX = width / areaWidth;
  const double scaleY = height / areaHeight;
  RECT frame;
  if (!ToCoordinate((m_frame.left - area.left) * scaleX, frame.left) ||
      !ToCoordinate((m_frame.top - area.top) * scaleY, frame.top) ||
      !ToCoordinate((m_frame.right - area.left) * scaleX, frame.right) ||
      !ToCoordinate((m_frame.bottom - area.top) * scaleY, frame.bottom))
    return false;
  const SheetDrawer play = [&](HDC dc, const RECT&, int) { PlayPageMetafile(dc, m_sheet, frame, lastRecord); };
  const int dpi = static_cast<int>(std::lround(scaleX * kHundredthsMmPerInch));
  return RasteriseSheet(play, 0, SIZE{static_cast<LONG>(width), static_cast<LONG>(height)}, dpi, image);
}
