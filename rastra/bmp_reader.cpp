#include "bmp_reader.h"

#include "dib_rows.h"
#include "rastra_result.h"

namespace {

// Compression values of the info header.
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kMasksOffset = kFileHeaderSize + kInfoHeaderSize;

struct BmpLayout {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  bool topDown = false;
  unsigned bitCount = 0;
  std::size_t stride = 0;
  std::size_t pixelOffset = 0;
  DibMasks masks;
};

long ReadMasks(const Bytes& file, std::uint32_t compression, BmpLayout& layout) {
  std::uint32_t masks[3];
  if (compression == kBiBitfields) {
    if (file.size() < kMasksOffset + 12) return RASTRA_ERROR_SOURCE_MALFORMED;
    for (int i = 0; i < 3; ++i) masks[i] = GetU32LE(file.data() + kMasksOffset + 4 * i);
  } else {
    DefaultDibMasks(layout.bitCount, masks);
  }
  return MakeDibMasks(masks, layout.bitCount, layout.masks) ? RASTRA_OK : RASTRA_ERROR_SOURCE_MALFORMED;
}

long ReadPalette(const Bytes& file, std::size_t tableOffset, std::uint32_t colorsUsed, unsigned bitCount,
                 Palette& palette, std::size_t& tableEnd) {
  const std::uint32_t maxColors = 1u << bitCount;
  if (colorsUsed > maxColors) return RASTRA_ERROR_SOURCE_MALFORMED;
  const std::uint32_t count = colorsUsed != 0 ? colorsUsed : maxColors;
  tableEnd = tableOffset + std::size_t(count) * 4;
  if (tableEnd > file.size()) return RASTRA_ERROR_SOURCE_MALFORMED;
  palette = ReadRgbQuads(file.data() + tableOffset, count);
  return RASTRA_OK;
}

// Reads the headers into `layout` and checks them against the file; no pixels yet.
long ReadLayout(const Bytes& file, BmpLayout& layout, Palette& palette, std::uint32_t ppm[2]) {
  if (file.size() < kFileHeaderSize + 4 || file[0] != 'B' || file[1] != 'M') return RASTRA_ERROR_SOURCE_MALFORMED;
  const std::uint8_t* info = file.data() + kFileHeaderSize;
  const std::uint32_t infoSize = GetU32LE(info);
  if (infoSize == 12 || infoSize == 64) return RASTRA_ERROR_SOURCE_UNSUPPORTED;  // OS/2 headers
  if (infoSize < kInfoHeaderSize || infoSize > file.size() - kFileHeaderSize) return RASTRA_ERROR_SOURCE_MALFORMED;

  const std::int32_t width = static_cast<std::int32_t>(GetU32LE(info + 4));
  const std::int32_t height = static_cast<std::int32_t>(GetU32LE(info + 8));
  const unsigned planes = GetU16LE(info + 12);
  layout.bitCount = GetU16LE(info + 14);
  const std::uint32_t compression = GetU32LE(info + 16);
  // The resolution fields are signed; a negative one says nothing.
  for (int i = 0; i < 2; ++i) {
    ppm[i] = GetU32LE(info + 24 + 4 * i);
    if (ppm[i] > 0x7FFFFFFF) ppm[i] = 0;
  }
  const std::uint32_t colorsUsed = GetU32LE(info + 32);

  if (width <= 0 || height == 0 || height == INT32_MIN || planes != 1) return RASTRA_ERROR_SOURCE_MALFORMED;
  switch (layout.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return RASTRA_ERROR_SOURCE_UNSUPPORTED;
  }
  const bool bitfields = compression == kBiBitfields;
  if (compression != kBiRgb && !bitfields) return RASTRA_ERROR_SOURCE_UNSUPPORTED;
  if (bitfields && layout.bitCount != 16 && layout.bitCount != 32) return RASTRA_ERROR_SOURCE_MALFORMED;

  layout.width = static_cast<std::uint32_t>(width);
  layout.topDown = height < 0;
  layout.height = static_cast<std::uint32_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);

  // Where the header ends: masks follow a 40-byte header and lie inside the larger ones.
  std::size_t headerEnd = kFileHeaderSize + infoSize;
  if (bitfields && infoSize == kInfoHeaderSize) headerEnd += 12;
  if (layout.bitCount <= 8) {
    long result = ReadPalette(file, headerEnd, colorsUsed, layout.bitCount, palette, headerEnd);
    if (result != RASTRA_OK) return result;
  } else if (layout.bitCount != 24) {
    long result = ReadMasks(file, compression, layout);
    if (result != RASTRA_OK) return result;
  }

  // 64-bit sizes: width times depth overflows 32 bits for hostile headers.
  const std::uint64_t stride = DibStride(layout.width, layout.bitCount);
  const std::uint64_t dataSize = stride * layout.height;
  const std::uint64_t pixelOffset = GetU32LE(file.data() + 10);
  if (pixelOffset < headerEnd || pixelOffset > file.size() || dataSize > file.size() - pixelOffset) {
    return RASTRA_ERROR_SOURCE_MALFORMED;
  }
  if (std::uint64_t(layout.width) * layout.height > kMaxImagePixels) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  layout.stride = static_cast<std::size_t>(stride);
  layout.pixelOffset = static_cast<std::size_t>(pixelOffset);
  return RASTRA_OK;
}

}  // namespace

long ReadBmp(const Bytes& file, Image& image) {
  BmpLayout layout;
  Palette palette;
  std::uint32_t ppm[2];
  long result = ReadLayout(file, layout, palette, ppm);
  if (result != RASTRA_OK) return result;

  Image decoded;
  decoded.width = layout.width;
  decoded.height = layout.height;
  decoded.pixelsPerMeterX = ppm[0];
  decoded.pixelsPerMeterY = ppm[1];
  decoded.rgb.resize(std::size_t(layout.width) * layout.height * 3);
  if (!palette.empty()) decoded.indices.resize(std::size_t(layout.width) * layout.height);

  for (std::uint32_t y = 0; y < layout.height; ++y) {
    const std::uint32_t fileRow = layout.topDown ? y : layout.height - 1 - y;
    const std::uint8_t* src = file.data() + layout.pixelOffset + std::size_t(fileRow) * layout.stride;
    std::uint8_t* rgb = decoded.rgb.data() + std::size_t(y) * layout.width * 3;
    if (palette.empty()) {
      DecodeDirectRow(src, layout.width, layout.bitCount, layout.masks, rgb);
      continue;
    }
    if (!DecodeIndexedRow(src, layout.width, layout.bitCount, palette,
                          decoded.indices.data() + std::size_t(y) * layout.width, rgb)) {
      return RASTRA_ERROR_SOURCE_MALFORMED;
    }
  }
  decoded.palette = std::move(palette);
  image = std::move(decoded);
  return RASTRA_OK;
}
