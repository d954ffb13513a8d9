#include "image_writers.h"

#include "exact_palette.h"
#include "gif_lzw.h"
#include "median_cut.h"
#include "rastra_result.h"

namespace {

constexpr std::uint32_t kMaxGifSide = 65535;
constexpr unsigned kMaxGifColours = 256;

// Bits of the colour table size: 2 to the power of it holds the palette (at least 2).
unsigned TableBits(std::size_t colours) {
  unsigned bits = 1;
  while ((std::size_t(1) << bits) < colours) ++bits;
  return bits;
}

}  // namespace

long WriteGif(const Image& image, Bytes& out) {
  if (image.width > kMaxGifSide || image.height > kMaxGifSide) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  IndexedImage indexed;
  if (!FindExactPalette(image, indexed)) indexed = QuantizeMedianCut(image, kMaxGifColours);
  const unsigned tableBits = TableBits(indexed.palette.size());

  PutText(out, "GIF89a");
  PutU16LE(out, image.width);
  PutU16LE(out, image.height);
  PutU8(out, 0x80 | (7 << 4) | (tableBits - 1));  // global table, 8-bit colour resolution
  PutU8(out, 0);                                   // background colour index
  PutU8(out, 0);                                   // no aspect ratio given
  for (std::size_t i = 0; i < (std::size_t(1) << tableBits); ++i) {
    const Rgb colour = i < indexed.palette.size() ? indexed.palette[i] : Rgb{0, 0, 0};
    PutU8(out, colour.r);
    PutU8(out, colour.g);
    PutU8(out, colour.b);
  }
  PutU8(out, 0x2C);  // image descriptor at (0, 0), whole screen, not interlaced
  PutU16LE(out, 0);
  PutU16LE(out, 0);
  PutU16LE(out, image.width);
  PutU16LE(out, image.height);
  PutU8(out, 0);
  AppendGifLzw(indexed.indices, tableBits < 2 ? 2 : tableBits, out);
  PutU8(out, 0x3B);  // trailer
  return RASTRA_OK;
}
