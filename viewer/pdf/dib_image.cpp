#include "dib_image.h"

#include "bmp_reader.h"
#include "byte_order.h"
#include "dib_rows.h"

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
// From this size on the header holds the colour masks itself, and from 56 the alpha mask.
constexpr std::size_t kMasksInHeaderSize = 52;
constexpr std::size_t kAlphaMaskEnd = 56;
// Run-length bits can describe large pictures in few bytes; an end of line on a blank row
// of 8192 pixels is the sparsest that still writes rows, so beyond that the header lies.
constexpr std::uint64_t kMaxRlePixelsPerByte = 4096;
constexpr std::uint8_t kUnwritten = 0;
constexpr std::uint8_t kOpaque = 255;

struct DibLayout {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  bool topDown = false;
  unsigned bitCount = 0;
  std::uint32_t compression = kBiRgb;
  DibMasks masks;
  bool hasAlpha = false;
  DibChannel alpha;
  Palette palette;
};

bool ReadColourTable(const std::uint8_t* info, std::size_t infoSize, std::size_t tableStart,
                     std::size_t entrySize, std::uint32_t colorsUsed, Rgb foreground,
                     Rgb background, DibLayout& layout) {
  const std::uint32_t maxColours = 1u << layout.bitCount;
  std::uint32_t count = colorsUsed != 0 && colorsUsed < maxColours ? colorsUsed : maxColours;
  const std::size_t present = tableStart <= infoSize ? (infoSize - tableStart) / entrySize : 0;
  // A monochrome source without colours is drawn in the text and background colours.
  if (layout.bitCount == 1 && present == 0) {
    layout.palette = {foreground, background};
    return true;
  }
  // Entries missing from a short table leave their indices unusable; rows using them fail.
  if (count > present) count = static_cast<std::uint32_t>(present);
  if (count == 0) return false;
  if (entrySize == 4) {
    layout.palette = ReadRgbQuads(info + tableStart, count);
    return true;
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = info + tableStart + 3 * std::size_t(i);
    layout.palette.push_back(Rgb{entry[2], entry[1], entry[0]});
  }
  return true;
}

bool ReadCoreHeader(const std::uint8_t* info, std::size_t infoSize, Rgb foreground,
                    Rgb background, DibLayout& layout) {
  layout.width = GetU16LE(info + 4);
  layout.height = GetU16LE(info + 6);
  layout.bitCount = GetU16LE(info + 10);
  if (GetU16LE(info + 8) != 1 || layout.width == 0 || layout.height == 0) return false;
  switch (layout.bitCount) {
    case 1: case 4: case 8:
      return ReadColourTable(info, infoSize, kCoreHeaderSize, 3, 0, foreground, background, layout);
    case 24:
      return true;
    default:
      return false;
  }
}

bool ReadMasks(const std::uint8_t* info, std::size_t infoSize, std::size_t headerSize,
               bool usesAlpha, DibLayout& layout) {
  std::uint32_t masks[3];
  std::uint32_t alphaMask = 0;
  if (layout.compression == kBiBitfields) {
    const std::size_t at = headerSize >= kMasksInHeaderSize ? kInfoHeaderSize : headerSize;
    if (infoSize < at + 12) return false;
    for (int i = 0; i < 3; ++i) masks[i] = GetU32LE(info + at + 4 * i);
    if (headerSize >= kAlphaMaskEnd) alphaMask = GetU32LE(info + kMasksInHeaderSize);
  } else {
    DefaultDibMasks(layout.bitCount, masks);
    alphaMask = 0xFF000000u;
  }
  if (!MakeDibMasks(masks, layout.bitCount, layout.masks)) return false;
  // An alpha mask that is unusable or overlaps the colours is no alpha: the pixels stay opaque.
  layout.hasAlpha = usesAlpha && layout.bitCount == 32 &&
                    ((masks[0] | masks[1] | masks[2]) & alphaMask) == 0 &&
                    MakeDibChannel(alphaMask, layout.alpha);
  return true;
}

bool ReadInfoHeader(const std::uint8_t* info, std::size_t infoSize, std::size_t headerSize,
                    bool usesAlpha, Rgb foreground, Rgb background, DibLayout& layout) {
  const std::int32_t width = static_cast<std::int32_t>(GetU32LE(info + 4));
  const std::int32_t height = static_cast<std::int32_t>(GetU32LE(info + 8));
  layout.bitCount = GetU16LE(info + 14);
  layout.compression = GetU32LE(info + 16);
  const std::uint32_t colorsUsed = GetU32LE(info + 32);
  if (width <= 0 || height == 0 || height == INT32_MIN || GetU16LE(info + 12) != 1) return false;
  layout.width = static_cast<std::uint32_t>(width);
  layout.topDown = height < 0;
  layout.height = static_cast<std::uint32_t>(height < 0 ? -static_cast<std::int64_t>(height) : height);

  switch (layout.compression) {
    case kBiRgb: break;
    case kBiRle8: if (layout.bitCount != 8 || layout.topDown) return false; break;
    case kBiRle4: if (layout.bitCount != 4 || layout.topDown) return false; break;
    case kBiBitfields: if (layout.bitCount != 16 && layout.bitCount != 32) return false; break;
    default: return false;
  }
  switch (layout.bitCount) {
    case 1: case 4: case 8:
      return ReadColourTable(info, infoSize, headerSize, 4, colorsUsed, foreground, background, layout);
    case 16: case 32:
      return ReadMasks(info, infoSize, headerSize, usesAlpha, layout);
    case 24:
      return true;
    default:
      return false;
  }
}

bool ReadLayout(const std::uint8_t* info, std::size_t infoSize, bool usesAlpha, Rgb foreground,
                Rgb background, DibLayout& layout) {
  if (info == nullptr || infoSize < kCoreHeaderSize) return false;
  const std::uint32_t headerSize = GetU32LE(info);
  if (headerSize == kCoreHeaderSize) return ReadCoreHeader(info, infoSize, foreground, background, layout);
  if (headerSize < kInfoHeaderSize || headerSize > infoSize) return false;
  return ReadInfoHeader(info, infoSize, headerSize, usesAlpha, foreground, background, layout);
}

// Premultiplied colours (as ALPHABLEND takes them) back to plain ones; a plane that is
// wholly transparent (or zero, as most 32-bit pixels come) or wholly opaque is dropped.
void SettleAlpha(DecodedDib& out) {
  bool anyVisible = false, anyTranslucent = false;
  for (std::uint8_t a : out.alpha) {
    anyVisible |= a != 0;
    anyTranslucent |= a != kOpaque;
  }
  if (!anyVisible || !anyTranslucent) {
    out.alpha.clear();
    return;
  }
  std::uint8_t* rgb = out.image.rgb.data();
  for (std::uint8_t a : out.alpha) {
    for (int c = 0; c < 3; ++c, ++rgb) {
      const unsigned plain = a == 0 ? 0 : (*rgb * 255u + a / 2) / a;
      *rgb = static_cast<std::uint8_t>(plain > 255 ? 255 : plain);
    }
  }
}

bool DecodeRows(const DibLayout& layout, const std::uint8_t* bits, std::size_t bitsSize,
                DecodedDib& out) {
  const std::uint64_t stride = DibStride(layout.width, layout.bitCount);
  if (bits == nullptr || stride * layout.height > bitsSize) return false;
  Image& image = out.image;
  if (layout.hasAlpha) out.alpha.resize(std::size_t(layout.width) * layout.height);
  for (std::uint32_t y = 0; y < layout.height; ++y) {
    const std::uint32_t sourceRow = layout.topDown ? y : layout.height - 1 - y;
    const std::uint8_t* src = bits + std::size_t(sourceRow) * std::size_t(stride);
    std::uint8_t* rgb = image.rgb.data() + std::size_t(y) * layout.width * 3;
    if (!layout.palette.empty()) {
      if (!DecodeIndexedRow(src, layout.width, layout.bitCount, layout.palette,
                            image.indices.data() + std::size_t(y) * layout.width, rgb)) {
        return false;
      }
      continue;
    }
    DecodeDirectRow(src, layout.width, layout.bitCount, layout.masks, rgb);
    if (!layout.hasAlpha) continue;
    std::uint8_t* alpha = out.alpha.data() + std::size_t(y) * layout.width;
    for (std::uint32_t x = 0; x < layout.width; ++x) alpha[x] = layout.alpha.Extract(GetU32LE(src + 4 * x));
  }
  if (layout.hasAlpha) SettleAlpha(out);
  return true;
}

// Sets pixels of a run-length bitmap; rows count from the bottom, and pixels beyond the
// picture's edges are dropped as the device would clip them.
class RleCanvas {
 public:
  RleCanvas(const DibLayout& layout, DecodedDib& out) : m_layout(layout), m_out(out) {
    m_out.alpha.assign(std::size_t(layout.width) * layout.height, kUnwritten);
  }

  bool Put(std::uint32_t x, std::uint32_t y, unsigned index) {
    if (index >= m_layout.palette.size()) return false;
    if (x >= m_layout.width || y >= m_layout.height) return true;
    const std::size_t at = std::size_t(m_layout.height - 1 - y) * m_layout.width + x;
    const Rgb colour = m_layout.palette[index];
    m_out.image.indices[at] = static_cast<std::uint8_t>(index);
    m_out.image.rgb[3 * at] = colour.r;
    m_out.image.rgb[3 * at + 1] = colour.g;
    m_out.image.rgb[3 * at + 2] = colour.b;
    m_out.alpha[at] = kOpaque;
    return true;
  }

  // Pixels never written stay white and transparent (the device leaves them as they were);
  // the picture keeps its palette only when every pixel was written.
  void Finish() {
    bool whole = true;
    for (std::size_t i = 0; i < m_out.alpha.size(); ++i) {
      if (m_out.alpha[i] != kUnwritten) continue;
      m_out.image.rgb[3 * i] = m_out.image.rgb[3 * i + 1] = m_out.image.rgb[3 * i + 2] = 255;
      whole = false;
    }
    if (whole) {
      m_out.alpha.clear();
    } else {
      m_out.image.palette.clear();
      m_out.image.indices.clear();
    }
  }

 private:
  const DibLayout& m_layout;
  DecodedDib& m_out;
};

// BI_RLE8 and BI_RLE4: runs of one index (two alternating ones for four bits) and escapes
// for end of line, end of bitmap, a move right and up, and literal indices padded to words.
bool DecodeRle(const DibLayout& layout, const std::uint8_t* bits, std::size_t bitsSize,
               DecodedDib& out) {
  if (bits == nullptr) return false;
  const bool four = layout.bitCount == 4;
  RleCanvas canvas(layout, out);
  std::uint32_t x = 0, y = 0;
  std::size_t at = 0;
  while (at + 2 <= bitsSize && y < layout.height) {
    const unsigned count = bits[at], value = bits[at + 1];
    at += 2;
    if (count != 0) {
      for (unsigned i = 0; i < count; ++i, ++x) {
        const unsigned index = four ? (i % 2 == 0 ? value >> 4 : value & 15) : value;
        if (!canvas.Put(x, y, index)) return false;
      }
      continue;
    }
    if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (at + 2 > bitsSize) return false;
      x += bits[at], y += bits[at + 1];
      at += 2;
    } else {
      const std::size_t bytes = four ? (value + 1) / 2 : value;
      const std::size_t padded = (bytes + 1) / 2 * 2;
      if (padded > bitsSize - at) return false;
      for (unsigned i = 0; i < value; ++i, ++x) {
        const unsigned byte = bits[at + (four ? i / 2 : i)];
        const unsigned index = four ? (i % 2 == 0 ? byte >> 4 : byte & 15) : byte;
        if (!canvas.Put(x, y, index)) return false;
      }
      at += padded;
    }
    // Moves keep x within reach of the row so that it cannot wrap.
    if (x > layout.width) x = layout.width;
  }
  canvas.Finish();
  return true;
}

}  // namespace

bool DecodeDib(const std::uint8_t* info, std::size_t infoSize, const std::uint8_t* bits,
               std::size_t bitsSize, bool usesAlpha, Rgb foreground, Rgb background,
               DecodedDib& out) {
  DibLayout layout;
  if (!ReadLayout(info, infoSize, usesAlpha, foreground, background, layout)) return false;
  const std::uint64_t pixels = std::uint64_t(layout.width) * layout.height;
  const bool rle = layout.compression == kBiRle8 || layout.compression == kBiRle4;
  if (pixels > kMaxImagePixels || (rle && pixels > (bitsSize + 2) * kMaxRlePixelsPerByte)) return false;

  DecodedDib decoded;
  decoded.image.width = layout.width;
  decoded.image.height = layout.height;
  decoded.image.rgb.resize(std::size_t(pixels) * 3);
  if (!layout.palette.empty()) decoded.image.indices.resize(std::size_t(pixels));
  decoded.image.palette = layout.palette;
  const bool decodedAll = rle ? DecodeRle(layout, bits, bitsSize, decoded)
                              : DecodeRows(layout, bits, bitsSize, decoded);
  if (!decodedAll) return false;
  out = std::move(decoded);
  return true;
}
