#include "image_writers.h"

#include "rastra_result.h"

namespace {

constexpr std::size_t kMaxPacketPixels = 128;
constexpr std::uint8_t kRunPacket = 0x80;

bool SamePixel(const std::uint8_t* a, const std::uint8_t* b) { return a[0] == b[0] && a[1] == b[1] && a[2] == b[2]; }

std::size_t RunLength(const std::uint8_t* row, std::size_t width, std::size_t start) {
  std::size_t length = 1;
  while (start + length < width && length < kMaxPacketPixels && SamePixel(row + 3 * (start + length), row + 3 * start)) {
    ++length;
  }
  return length;
}

void PutBgr(Bytes& out, const std::uint8_t* rgb) {
  PutU8(out, rgb[2]);
  PutU8(out, rgb[1]);
  PutU8(out, rgb[0]);
}

// One row in run-length packets; packets never cross rows.
void AppendRow(const std::uint8_t* row, std::size_t width, Bytes& out) {
  for (std::size_t x = 0; x < width;) {
    const std::size_t run = RunLength(row, width, x);
    if (run >= 2) {
      PutU8(out, kRunPacket | (run - 1));
      PutBgr(out, row + 3 * x);
      x += run;
      continue;
    }
    std::size_t end = x + 1;
    while (end < width && end - x < kMaxPacketPixels && RunLength(row, width, end) < 2) ++end;
    PutU8(out, end - x - 1);
    for (std::size_t i = x; i < end; ++i) PutBgr(out, row + 3 * i);
    x = end;
  }
}

}  // namespace

long WriteTga(const Image& image, Bytes& out) {
  if (image.width > 0xFFFF || image.height > 0xFFFF) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  PutU8(out, 0);   // no image ID
  PutU8(out, 0);   // no colour map
  PutU8(out, 10);  // run-length encoded true colour
  PutZeros(out, 5);
  PutU16LE(out, 0);
  PutU16LE(out, 0);
  PutU16LE(out, image.width);
  PutU16LE(out, image.height);
  PutU8(out, 24);
  PutU8(out, 0);  // origin at the bottom left, no alpha
  for (std::uint32_t y = image.height; y-- > 0;) AppendRow(image.row(y), image.width, out);
  PutU32LE(out, 0);  // no extension area
  PutU32LE(out, 0);  // no developer area
  PutText(out, "TRUEVISION-XFILE.");
  PutU8(out, 0);
  return RASTRA_OK;
}
