#include "image_writers.h"

#include "deflate.h"
#include "exact_palette.h"
#include "rastra.h"

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

// The directory: entries sorted by tag, values of more than four bytes at `valueOffsets`.
void PutDirectory(const std::vector<TiffEntry>& entries, const std::vector<std::uint32_t>& valueOffsets,
                  std::uint32_t nextDirectory, Bytes& out) {
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
  PutU32LE(out, nextDirectory);
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
  PutDirectory(entries, valueOffsets, 0, out);
}

// A page streamed after others: its directory first (at `start`, an even file offset),
// then its out-of-line values and its strip, so the next directory's offset is known
// without going back. Appends to `out`; returns the file offset after the page, or 0 when
// the page would carry the file past the 32-bit offsets.
std::uint64_t AssembleStreamed(const Bytes& strip, std::vector<TiffEntry> entries, std::uint32_t start,
                               bool last, Bytes& out) {
  const std::size_t entryCount = entries.size() + 2;  // with the strip's offset and size
  std::uint64_t end = start + 2 + 12 * std::uint64_t(entryCount) + 4;
  std::vector<std::uint32_t> valueOffsets(entryCount);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].value.size() <= 4) continue;
    valueOffsets[i] = static_cast<std::uint32_t>(end);
    end += (entries[i].value.size() + 1) & ~std::size_t(1);
  }
  const std::uint64_t stripOffset = end;
  end += (strip.size() + 1) & ~std::size_t(1);
  if (end > 0xFFFFFFFFull) return 0;
  entries.push_back(Long(273, static_cast<std::uint32_t>(stripOffset)));   // StripOffsets
  entries.push_back(Long(279, static_cast<std::uint32_t>(strip.size())));  // StripByteCounts

  const std::size_t base = out.size();
  PutDirectory(entries, valueOffsets, last ? 0 : static_cast<std::uint32_t>(end), out);
  for (std::size_t i = 0; i + 2 < entries.size(); ++i) {
    if (entries[i].value.size() <= 4) continue;
    PutBytes(out, entries[i].value);
    if ((out.size() - base) % 2) PutU8(out, 0);
  }
  PutBytes(out, strip);
  if ((out.size() - base) % 2) PutU8(out, 0);
  return end;
}

// The compressed pixels and the tags of one image; returns a RastraResult code.
long EncodeTiffImage(const Image& image, Bytes& strip, std::vector<TiffEntry>& entries) {
  IndexedImage indexed;
  const bool paletted = FindExactPalette(image, indexed);
  const Bytes pixels = paletted ? indexed.indices : PredictedRgb(image);
  // The whole file, offsets included, must stay within 32 bits.
  if (pixels.size() > 0x7FFFFFFF) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  if (!AppendZlibStream(pixels.data(), pixels.size(), strip)) return RASTRA_ERROR_ENCODER;

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
  return RASTRA_OK;
}

}  // namespace

long WriteTiff(const Image& image, Bytes& out) {
  Bytes strip;
  std::vector<TiffEntry> entries;
  const long result = EncodeTiffImage(image, strip, entries);
  if (result != RASTRA_OK) return result;
  Assemble(strip, std::move(entries), out);
  return RASTRA_OK;
}

Bytes TiffPagesWriter::Header() {
  Bytes out = {'I', 'I'};
  PutU16LE(out, 42);
  PutU32LE(out, kHeaderSize);  // the first directory follows at once
  m_written = kHeaderSize;
  return out;
}

long TiffPagesWriter::Page(const Image& image, bool last, Bytes& out) {
  Bytes strip;
  std::vector<TiffEntry> entries;
  const long result = EncodeTiffImage(image, strip, entries);
  if (result != RASTRA_OK) return result;
  // Offsets are 32 bits: a file that would pass 4 GB is refused, not wrapped.
  const std::uint64_t end = AssembleStreamed(strip, std::move(entries), m_written, last, out);
  if (end == 0) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  m_written = static_cast<std::uint32_t>(end);
  return RASTRA_OK;
}
