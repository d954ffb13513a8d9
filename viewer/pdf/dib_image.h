#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image.h"

// A device-independent bitmap from a metafile record, decoded: RGB rows top down, and an
// alpha plane (one byte a pixel, rows top down) when the bitmap carries one (32-bit pixels
// whose alpha is used, as ALPHABLEND's source, or run-length bits that skip pixels).
struct DecodedDib {
  Image image;
  std::vector<std::uint8_t> alpha;
};

// Decodes the BITMAPINFO at `info` (`infoSize` bytes, header and colour table) and the bits
// at `bits` (`bitsSize` bytes): 1, 4, 8, 16, 24 and 32 bits a pixel, BI_RGB, BI_BITFIELDS,
// BI_RLE4 and BI_RLE8, bottom-up and top-down; the 12-byte core header too. `usesAlpha`
// keeps the fourth byte of 32-bit pixels (or the alpha mask of a larger header) as alpha,
// premultiplied colours made plain; the plane is left empty when it is wholly opaque or
// wholly zero (most programs' 32-bit pixels). Pixels a run-length bitmap never writes
// come out white and transparent. A 1-bit bitmap without colours takes
// `foreground`/`background` (text and background colours, as a monochrome source is
// drawn). Indices beyond a short colour table fail. False for anything damaged or larger
// than the bytes given (or than kMaxImagePixels); never reads outside them.
bool DecodeDib(const std::uint8_t* info, std::size_t infoSize, const std::uint8_t* bits,
               std::size_t bitsSize, bool usesAlpha, Rgb foreground, Rgb background,
               DecodedDib& out);
