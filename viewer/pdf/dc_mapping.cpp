#include "dc_mapping.h"

#include <algorithm>
#include <cmath>

#include "emf_types.h"

void DcMapping::SetMapMode(int mode, const EmfHeader& device) {
  if (mode < kMmText || mode > kMmAnisotropic) return;
  mapMode = mode;
  // Logical units per millimetre of each fixed mode; y grows upwards in all of them.
  double unitsPerMm = 0;
  switch (mode) {
    case kMmLoMetric: unitsPerMm = 10; break;
    case kMmHiMetric: unitsPerMm = 100; break;
    case kMmLoEnglish: unitsPerMm = 100 / 25.4; break;
    case kMmHiEnglish: unitsPerMm = 1000 / 25.4; break;
    case kMmTwips: unitsPerMm = 1440 / 25.4; break;
    case kMmText:
      windowExt = viewportExt = PointD{1, 1};
      return;
    default:
      // The scalable modes keep the extents in force.
      return;
  }
  windowExt = {device.millimetresWidth * unitsPerMm, device.millimetresHeight * unitsPerMm};
  viewportExt = {device.deviceWidth, -device.deviceHeight};
}

Affine DcMapping::PageToDevice() const {
  double sx = windowExt.x != 0 ? viewportExt.x / windowExt.x : 1;
  double sy = windowExt.y != 0 ? viewportExt.y / windowExt.y : 1;
  if (mapMode == kMmIsotropic) {
    // Isotropic mapping keeps one unit the same length on both axes: the smaller scale wins.
    const double common = std::min(std::fabs(sx), std::fabs(sy));
    sx = std::copysign(common, sx);
    sy = std::copysign(common, sy);
  }
  return {sx, 0, 0, sy, viewportOrg.x - windowOrg.x * sx, viewportOrg.y - windowOrg.y * sy};
}

Affine DeviceToPdf(const EmfHeader& header, double widthPoints, double heightPoints) {
  // Pixels to hundredths of a millimetre, the frame's unit.
  const double frameX = header.millimetresWidth * 100 / header.deviceWidth;
  const double frameY = header.millimetresHeight * 100 / header.deviceHeight;
  const double frameWidth = std::max(1.0, double(header.frame[2]) - header.frame[0]);
  const double frameHeight = std::max(1.0, double(header.frame[3]) - header.frame[1]);
  const double sx = frameX * widthPoints / frameWidth;
  const double sy = frameY * heightPoints / frameHeight;
  return {sx, 0, 0, -sy, -header.frame[0] * widthPoints / frameWidth,
          heightPoints + header.frame[1] * heightPoints / frameHeight};
}
