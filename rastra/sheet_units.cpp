#include "sheet_units.h"

double PointsFromTenthsMm(int tenths) { return tenths * 72.0 / 254.0; }

std::uint32_t PixelsFromTenthsMm(int tenths, int dpi) {
  return static_cast<std::uint32_t>((static_cast<std::int64_t>(tenths) * dpi + 127) / 254);
}
