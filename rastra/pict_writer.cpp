#include "image_writers.h"

#include "packbits.h"
#include "rastra_result.h"

namespace {

constexpr std::size_t kFileHeaderSize = 512;  // unused by QuickDraw, kept for file readers
constexpr std::uint32_t kFixed72Dpi = 0x00480000;
constexpr std::uint32_t kMaxRowBytes = 0x3FFE;  // row bytes field: 14 bits, even
constexpr std::uint16_t kOpClipRegion = 0x0001;
constexpr std::uint16_t kOpDirectBitsRect = 0x009A;
constexpr std::uint16_t kOpHeader = 0x0C00;
constexpr std::uint16_t kOpEnd = 0x00FF;

void PutRect(Bytes& out, const Image& image) {
  PutU16BE(out, 0);  // top, left, bottom, right
  PutU16BE(out, 0);
  PutU16BE(out, image.height);
  PutU16BE(out, image.width);
}

// Direct 32-bit pixel map; packType 4 packs the red, green and blue planes of each row.
void AppendPixMap(const Image& image, std::uint32_t rowBytes, Bytes& out) {
  PutU32BE(out, 0x000000FF);  // base address placeholder, as files carry it
  PutU16BE(out, rowBytes | 0x8000);
  PutRect(out, image);
  PutU16BE(out, 0);  // pixmap version
  PutU16BE(out, 4);  // pack type: component planes
  PutU32BE(out, 0);  // pack size
  PutU32BE(out, kFixed72Dpi);
  PutU32BE(out, kFixed72Dpi);
  PutU16BE(out, 16);  // pixel type: RGB direct
  PutU16BE(out, 32);  // pixel size
  PutU16BE(out, 3);   // components
  PutU16BE(out, 8);   // bits per component
  PutZeros(out, 12);  // plane bytes, colour table, reserved
}

void AppendRows(const Image& image, std::uint32_t rowBytes, Bytes& out) {
  Bytes planes(std::size_t(image.width) * 3);
  Bytes packed;
  for (std::uint32_t y = 0; y < image.height; ++y) {
    const std::uint8_t* row = image.row(y);
    for (std::uint32_t x = 0; x < image.width; ++x) {
      for (unsigned c = 0; c < 3; ++c) planes[c * image.width + x] = row[3 * x + c];
    }
    packed.clear();
    AppendPackBits(planes.data(), planes.size(), packed);
    // Rows longer than 250 bytes give their packed length in a word, shorter ones in a byte.
    if (rowBytes > 250) {
      PutU16BE(out, static_cast<std::uint32_t>(packed.size()));
    } else {
      PutU8(out, static_cast<std::uint32_t>(packed.size()));
    }
    PutBytes(out, packed);
  }
}

}  // namespace

long WritePict(const Image& image, Bytes& out) {
  // Short rows are stored unpacked, and readers disagree on what counts as short (under
  // 8 row bytes, or under 8 bytes of component planes): only widths all agree on are written.
  if (image.width < 3) return RASTRA_ERROR_IMAGE_TOO_SMALL;
  if (image.width > kMaxRowBytes / 4 || image.height > 0x7FFF) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  const std::uint32_t rowBytes = image.width * 4;
  PutZeros(out, kFileHeaderSize);
  const std::size_t sizeField = out.size();
  PutU16BE(out, 0);  // picture size, low 16 bits, set at the end
  PutRect(out, image);
  PutU16BE(out, 0x0011);  // version opcode
  PutU16BE(out, 0x02FF);  // version 2
  PutU16BE(out, kOpHeader);
  PutU16BE(out, 0xFFFE);  // extended version 2 header
  PutU16BE(out, 0);
  PutU32BE(out, kFixed72Dpi);
  PutU32BE(out, kFixed72Dpi);
  PutRect(out, image);
  PutU32BE(out, 0);
  PutU16BE(out, kOpClipRegion);
  PutU16BE(out, 10);  // region size: a rectangle only
  PutRect(out, image);

  PutU16BE(out, kOpDirectBitsRect);
  AppendPixMap(image, rowBytes, out);
  PutRect(out, image);  // source rectangle
  PutRect(out, image);  // destination rectangle
  PutU16BE(out, 0);     // transfer mode: copy
  AppendRows(image, rowBytes, out);
  if (out.size() % 2) PutU8(out, 0);  // opcodes start on even offsets
  PutU16BE(out, kOpEnd);
  SetU16BE(out, sizeField, static_cast<std::uint32_t>((out.size() - kFileHeaderSize) & 0xFFFF));
  return RASTRA_OK;
}
