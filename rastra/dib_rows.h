#pragma once

#include <cstddef>
#include <cstdint>

#include "image.h"

// Pixel rows of device-independent bitmaps, shared by the BMP file reader and the
// metafile's bitmaps: colour tables, channel masks and uncompressed rows.

// One colour channel of a 16- or 32-bit pixel, described by its mask.
struct DibChannel {
  std::uint32_t mask = 0;
  unsigned shift = 0;
  unsigned bits = 0;

  std::uint8_t Extract(std::uint32_t pixel) const;
};

// Describes `mask`; false unless it is one contiguous, non-empty run of bits.
bool MakeDibChannel(std::uint32_t mask, DibChannel& channel);

struct DibMasks {
  DibChannel red, green, blue;
};

// The masks of a 16- or 32-bit bitmap without BI_BITFIELDS: 5-5-5 or 8-8-8.
void DefaultDibMasks(unsigned bitCount, std::uint32_t masks[3]);

// Describes red, green and blue masks; false unless each is one contiguous, non-empty run
// of bits inside the pixel and no two overlap.
bool MakeDibMasks(const std::uint32_t masks[3], unsigned bitCount, DibMasks& out);

// `count` colour-table entries (blue, green, red, reserved) from `table`.
Palette ReadRgbQuads(const std::uint8_t* table, std::uint32_t count);

// Bytes of one row of `width` pixels: whole 32-bit words.
std::uint64_t DibStride(std::uint32_t width, unsigned bitCount);

// One row of 1-, 4- or 8-bit indices into `palette`; false when one lies beyond it.
bool DecodeIndexedRow(const std::uint8_t* src, std::uint32_t width, unsigned bitCount,
                      const Palette& palette, std::uint8_t* indices, std::uint8_t* rgb);

// One row of 16-, 24- or 32-bit pixels (`masks` unused for 24).
void DecodeDirectRow(const std::uint8_t* src, std::uint32_t width, unsigned bitCount,
                     const DibMasks& masks, std::uint8_t* rgb);
