#include "image_writers.h"

#include "rastra_result.h"

namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

}  // namespace

// A BMP file: 8 bits with the source's colour table when it had one, otherwise 24 bits.
long WriteDib(const Image& image, Bytes& out) {
  const bool paletted = image.indexed();
  const std::uint32_t bitCount = paletted ? 8 : 24;
  const std::uint64_t stride = ((std::uint64_t(image.width) * bitCount + 31) / 32) * 4;
  const std::uint32_t tableSize = paletted ? static_cast<std::uint32_t>(4 * image.palette.size()) : 0;
  const std::uint64_t fileSize = kHeadersSize + tableSize + stride * image.height;
  if (fileSize > 0x7FFFFFFF) return RASTRA_ERROR_IMAGE_TOO_LARGE;

  PutText(out, "BM");
  PutU32LE(out, static_cast<std::uint32_t>(fileSize));
  PutU32LE(out, 0);
  PutU32LE(out, kHeadersSize + tableSize);
  PutU32LE(out, 40);
  PutU32LE(out, image.width);
  PutU32LE(out, image.height);  // positive: bottom row first
  PutU16LE(out, 1);
  PutU16LE(out, bitCount);
  PutU32LE(out, 0);  // BI_RGB
  PutU32LE(out, static_cast<std::uint32_t>(stride * image.height));
  PutU32LE(out, image.pixelsPerMeterX);
  PutU32LE(out, image.pixelsPerMeterY);
  PutU32LE(out, static_cast<std::uint32_t>(image.palette.size()));
  PutU32LE(out, 0);
  for (const Rgb& colour : image.palette) {
    PutU8(out, colour.b);
    PutU8(out, colour.g);
    PutU8(out, colour.r);
    PutU8(out, 0);
  }
  const std::size_t padding = static_cast<std::size_t>(stride) - std::size_t(image.width) * bitCount / 8;
  for (std::uint32_t y = image.height; y-- > 0;) {
    if (paletted) {
      PutBytes(out, image.indices.data() + std::size_t(y) * image.width, image.width);
    } else {
      const std::uint8_t* row = image.row(y);
      for (std::uint32_t x = 0; x < image.width; ++x) {
        PutU8(out, row[3 * x + 2]);
        PutU8(out, row[3 * x + 1]);
        PutU8(out, row[3 * x]);
      }
    }
    PutZeros(out, padding);
  }
  return RASTRA_OK;
}
