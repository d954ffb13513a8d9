#include "image_writers.h"

#include "deflate.h"
#include "exact_palette.h"
#include "rastra_result.h"

#include <cstdlib>

namespace {

enum PngFilter : std::uint8_t { kNone, kSub, kUp, kAverage, kPaeth, kFilterCount };

std::uint8_t PaethPredictor(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left), toUp = std::abs(estimate - up), toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<std::uint8_t>(left);
  return static_cast<std::uint8_t>(toUp <= toUpLeft ? up : upLeft);
}

void FilterRow(PngFilter filter, const std::uint8_t* row, const std::uint8_t* previous, std::size_t size,
               std::size_t bytesPerPixel, std::uint8_t* filtered) {
  for (std::size_t i = 0; i < size; ++i) {
    const int left = i >= bytesPerPixel ? row[i - bytesPerPixel] : 0;
    const int up = previous ? previous[i] : 0;
    const int upLeft = previous && i >= bytesPerPixel ? previous[i - bytesPerPixel] : 0;
    int predicted = 0;
    switch (filter) {
      case kSub: predicted = left; break;
      case kUp: predicted = up; break;
      case kAverage: predicted = (left + up) / 2; break;
      case kPaeth: predicted = PaethPredictor(left, up, upLeft); break;
      default: break;
    }
    filtered[i] = static_cast<std::uint8_t>(row[i] - predicted);
  }
}

// Each row with the filter whose output has the smallest sum of magnitudes.
void AppendAdaptiveRows(const Image& image, Bytes& raw) {
  const std::size_t rowSize = std::size_t(image.width) * 3;
  Bytes candidate(rowSize), best(rowSize);
  for (std::uint32_t y = 0; y < image.height; ++y) {
    const std::uint8_t* previous = y > 0 ? image.row(y - 1) : nullptr;
    std::uint64_t bestScore = UINT64_MAX;
    std::uint8_t bestFilter = kNone;
    for (std::uint8_t filter = kNone; filter < kFilterCount; ++filter) {
      FilterRow(static_cast<PngFilter>(filter), image.row(y), previous, rowSize, 3, candidate.data());
      std::uint64_t score = 0;
      for (std::uint8_t value : candidate) score += value < 128 ? value : 256 - value;
      if (score < bestScore) {
        bestScore = score;
        bestFilter = filter;
        best.swap(candidate);
      }
    }
    PutU8(raw, bestFilter);
    PutBytes(raw, best);
  }
}

unsigned BitDepthFor(std::size_t colours) {
  if (colours <= 2) return 1;
  if (colours <= 4) return 2;
  return colours <= 16 ? 4 : 8;
}

// Palette rows packed at the smallest depth, unfiltered as is usual for indexed images.
void AppendPackedRows(const Image& image, const IndexedImage& indexed, unsigned bitDepth, Bytes& raw) {
  const unsigned perByte = 8 / bitDepth;
  for (std::uint32_t y = 0; y < image.height; ++y) {
    PutU8(raw, kNone);
    const std::uint8_t* indices = indexed.indices.data() + std::size_t(y) * image.width;
    for (std::uint32_t x = 0; x < image.width; x += perByte) {
      unsigned packed = 0;
      for (unsigned k = 0; k < perByte; ++k) {
        packed <<= bitDepth;
        if (x + k < image.width) packed |= indices[x + k];
      }
      PutU8(raw, packed);
    }
  }
}

void AppendChunk(Bytes& out, const char* type, const Bytes& data) {
  PutU32BE(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeStart = out.size();
  PutBytes(out, reinterpret_cast<const std::uint8_t*>(type), 4);
  PutBytes(out, data);
  PutU32BE(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

}  // namespace

long WritePng(const Image& image, Bytes& out) {
  if (image.width > 0x7FFFFFFF || image.height > 0x7FFFFFFF) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  IndexedImage indexed;
  const bool paletted = FindExactPalette(image, indexed);
  const unsigned bitDepth = paletted ? BitDepthFor(indexed.palette.size()) : 8;

  Bytes raw;
  if (paletted) {
    AppendPackedRows(image, indexed, bitDepth, raw);
  } else {
    AppendAdaptiveRows(image, raw);
  }
  Bytes compressed;
  if (!AppendZlibStream(raw.data(), raw.size(), compressed)) return RASTRA_ERROR_ENCODER;

  static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutBytes(out, kSignature, sizeof kSignature);
  Bytes header;
  PutU32BE(header, image.width);
  PutU32BE(header, image.height);
  PutU8(header, bitDepth);
  PutU8(header, paletted ? 3 : 2);  // colour type: palette or RGB
  PutZeros(header, 3);              // deflate, adaptive filtering, no interlace
  AppendChunk(out, "IHDR", header);
  if (paletted) {
    Bytes table;
    for (const Rgb& colour : indexed.palette) {
      PutU8(table, colour.r);
      PutU8(table, colour.g);
      PutU8(table, colour.b);
    }
    AppendChunk(out, "PLTE", table);
  }
  if (image.pixelsPerMeterX != 0 && image.pixelsPerMeterY != 0) {
    Bytes density;
    PutU32BE(density, image.pixelsPerMeterX);
    PutU32BE(density, image.pixelsPerMeterY);
    PutU8(density, 1);  // unit: metre
    AppendChunk(out, "pHYs", density);
  }
  AppendChunk(out, "IDAT", compressed);
  AppendChunk(out, "IEND", Bytes());
  return RASTRA_OK;
}
