#include "image_writers.h"

#include "deflate.h"
#include "exact_palette.h"
#include "rastra_result.h"

#include <algorithm>

namespace {

enum TiffType : std::uint16_t { kShort = 3, kLong = 4, kRational = 5 };

struct TiffEntry {
  std::uint16_t tag;
  TiffType type;
  std::uint32_t count;
  Bytes value;  // little-endian; stored inline when it fits in four bytes
};

TiffEntry Shorts(std::uint16_t tag, const std::vector<std::uint16_t>& values) {
  TiffEntry entry{tag, kShort, static_cast<std::uint32_t>(values.size()), {}};
  for (std::uint16_t value : values) PutU16LE(entry.value, value);
  return entry;
}

TiffEntry Long(std::uint16_t tag, std::uint32_t value) {
  TiffEntry entry{tag, kLong, 1, {}};
  PutU32LE(entry.value, value);
  return entry;
}

TiffEntry Rational(std::uint16_t tag, std::uint32_t numerator, std::uint32_t denominator) {
  TiffEntry entry{tag, kRational, 1, {}};
  PutU32LE(entry.value, numerator);
  PutU32LE(entry.value, denominator);
  return entry;
}

// Pixel resolution in pixels per centimetre, which the BMP's pixels per metre give exactly.
void AddResolution(const Image& image, std::vector<TiffEntry>& entries) {
  const bool known = image.pixelsPerMeterX != 0 && image.pixelsPerMeterY != 0;
  entries.push_back(Rational(282, known ? image.pixelsPerMeterX : 96, known ? 100 : 1));
  entries.push_back(Rational(283, known ? image.pixelsPerMeterY : 96, known ? 100 : 1));
  entries.push_back(Shorts(296, {static_cast<std::uint16_t>(known ? 3 : 2)}));
}

// Colour map: all reds, then greens, then blues, 16 bits each, 256 entries for 8 bits.
std::vector<std::uint16_t> ColourMap(const Palette& palette) {
  std::vector<std::uint16_t> map(3 * 256);
  for (std::size_t i = 0; i < palette.size(); ++i) {
    map[i] = static_cast<std::uint16_t>(palette[i].r * 257);
    map[256 + i] = static_cast<std::uint16_t>(palette[i].g * 257);
    map[512 + i] = static_cast<std::uint16_t>(palette[i].b * 257);
  }
  return map;
}

// Horizontal differencing of each row, which deflate compresses better on gradients.
Bytes PredictedRgb(const Image& image) {
  Bytes rows(image.rgb);
  const std::size_t rowSize = std::size_t(image.width) * 3;
  for (std::uint32_t y = 0; y < image.height; ++y) {
    std::uint8_t* row = rows.data() + y * rowSize;
    for (std::size_t i = rowSize - 1; i >= 3; --i) row[i] = static_cast<std::uint8_t>(row[i] - row[i - 3]);
  }
  return rows;
}

// Header, the one strip, out-of-line values, then the directory.
void Assemble(const Bytes& strip, std::vector<TiffEntry> entries, Bytes& out) {
  PutText(out, "II");
  PutU16LE(out, 42);
  const std::size_t directoryOffsetField = out.size();
  PutU32LE(out, 0);
  entries.push_back(Long(273, static_cast<std::uint32_t>(out.size())));  // StripOffsets
  entries.push_back(Long(279, static_cast<std::uint32_t>(strip.size())));  // StripByteCounts
  PutBytes(out, strip);

  std::vector<std::uint32_t> valueOffsets(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].value.size() <= 4) continue;
    if (out.size() % 2) PutU8(out, 0);
    valueOffsets[i] = static_cast<std::uint32_t>(out.size());
    PutBytes(out, entries[i].value);
  }
  if (out.size() % 2) PutU8(out, 0);
  const std::uint32_t directoryOffset = static_cast<std::uint32_t>(out.size());
  for (int i = 0; i < 4; ++i) out[directoryOffsetField + i] = static_cast<std::uint8_t>(directoryOffset >> (8 * i));

  // Directory entries must be sorted by tag.
  std::vector<std::size_t> order(entries.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return entries[a].tag < entries[b].tag; });
  PutU16LE(out, static_cast<std::uint32_t>(entries.size()));
  for (std::size_t i : order) {
    const TiffEntry& entry = entries[i];
    PutU16LE(out, entry.tag);
    PutU16LE(out, entry.type);
    PutU32LE(out, entry.count);
    if (entry.value.size() <= 4) {
      PutBytes(out, entry.value);
      PutZeros(out, 4 - entry.value.size());
    } else {
      PutU32LE(out, valueOffsets[i]);
    }
  }
  PutU32LE(out, 0);  // no further directory
}

}  // namespace

long WriteTiff(const Image& image, Bytes& out) {
  IndexedImage indexed;
  const bool paletted = FindExactPalette(image, indexed);
  const Bytes pixels = paletted ? indexed.indices : PredictedRgb(image);
  // The whole file, offsets included, must stay within 32 bits.
  if (pixels.size() > 0x7FFFFFFF) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  Bytes strip;
  if (!AppendZlibStream(pixels.data(), pixels.size(), strip)) return RASTRA_ERROR_ENCODER;

  std::vector<TiffEntry> entries;
  entries.push_back(Long(256, image.width));
  entries.push_back(Long(257, image.height));
  entries.push_back(paletted ? Shorts(258, {8}) : Shorts(258, {8, 8, 8}));  // BitsPerSample
  entries.push_back(Shorts(259, {8}));                                      // Compression: deflate
  entries.push_back(Shorts(262, {static_cast<std::uint16_t>(paletted ? 3 : 2)}));  // palette or RGB
  entries.push_back(Shorts(277, {static_cast<std::uint16_t>(paletted ? 1 : 3)}));  // SamplesPerPixel
  entries.push_back(Long(278, image.height));                                      // RowsPerStrip
  entries.push_back(Shorts(284, {1}));                                             // PlanarConfiguration
  AddResolution(image, entries);
  if (paletted) {
    entries.push_back(Shorts(320, ColourMap(indexed.palette)));
  } else {
    entries.push_back(Shorts(317, {2}));  // Predictor: horizontal differencing
  }
  Assemble(strip, std::move(entries), out);
  return RASTRA_OK;
}
