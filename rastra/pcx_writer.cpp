#include "image_writers.h"

#include "exact_palette.h"
#include "rastra_result.h"

namespace {

constexpr std::size_t kMaxPcxRun = 63;
constexpr std::uint8_t kRunFlag = 0xC0;
constexpr std::uint8_t kPaletteMarker = 0x0C;

// PCX run-length: a byte with both high bits set carries a run count in its low six bits;
// such a byte value alone must itself be written as a run of one.
void AppendPcxRuns(const std::uint8_t* data, std::size_t size, Bytes& out) {
  for (std::size_t i = 0; i < size;) {
    std::size_t run = 1;
    while (i + run < size && run < kMaxPcxRun && data[i + run] == data[i]) ++run;
    if (run > 1 || (data[i] & kRunFlag) == kRunFlag) PutU8(out, kRunFlag | run);
    PutU8(out, data[i]);
    i += run;
  }
}

void AppendHeader(const Image& image, unsigned planes, std::uint32_t bytesPerLine, const Palette& palette, Bytes& out) {
  PutU8(out, 10);  // manufacturer
  PutU8(out, 5);   // version 3.0 with a 256-colour palette
  PutU8(out, 1);   // run-length encoding
  PutU8(out, 8);   // bits per pixel and plane
  PutU16LE(out, 0);
  PutU16LE(out, 0);
  PutU16LE(out, image.width - 1);
  PutU16LE(out, image.height - 1);
  PutU16LE(out, DotsPerInch(image.pixelsPerMeterX));
  PutU16LE(out, DotsPerInch(image.pixelsPerMeterY));
  for (std::size_t i = 0; i < 16; ++i) {  // the 16-colour map, for old readers
    const Rgb colour = i < palette.size() ? palette[i] : Rgb{0, 0, 0};
    PutU8(out, colour.r);
    PutU8(out, colour.g);
    PutU8(out, colour.b);
  }
  PutU8(out, 0);
  PutU8(out, planes);
  PutU16LE(out, bytesPerLine);
  PutU16LE(out, 1);  // colour palette
  PutZeros(out, 58);  // screen size and filler up to 128 bytes
}

}  // namespace

long WritePcx(const Image& image, Bytes& out) {
  // Lines hold an even number of bytes, and both that and the extents are 16-bit fields.
  const std::uint32_t bytesPerLine = (image.width + 1) & ~1u;
  if (bytesPerLine > 0xFFFF || image.height > 0xFFFF) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  IndexedImage indexed;
  const bool paletted = FindExactPalette(image, indexed);
  const unsigned planes = paletted ? 1 : 3;
  AppendHeader(image, planes, bytesPerLine, indexed.palette, out);

  Bytes line(bytesPerLine);
  for (std::uint32_t y = 0; y < image.height; ++y) {
    for (unsigned plane = 0; plane < planes; ++plane) {
      for (std::uint32_t x = 0; x < image.width; ++x) {
        line[x] = paletted ? indexed.indices[std::size_t(y) * image.width + x] : image.row(y)[3 * x + plane];
      }
      AppendPcxRuns(line.data(), line.size(), out);
    }
  }
  if (paletted) {
    PutU8(out, kPaletteMarker);
    for (std::size_t i = 0; i < 256; ++i) {
      const Rgb colour = i < indexed.palette.size() ? indexed.palette[i] : Rgb{0, 0, 0};
      PutU8(out, colour.r);
      PutU8(out, colour.g);
      PutU8(out, colour.b);
    }
  }
  return RASTRA_OK;
}
