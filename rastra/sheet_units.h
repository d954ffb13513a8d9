#pragma once

#include <cstdint>

// A sheet length in tenths of a millimetre as PDF points (1/72 inch) and as pixels at `dpi`.
double PointsFromTenthsMm(int tenths);
std::uint32_t PixelsFromTenthsMm(int tenths, int dpi);
