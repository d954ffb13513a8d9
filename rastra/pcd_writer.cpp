#include "image_writers.h"

#include "rastra_result.h"
#include "resample.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t kSector = 0x800;
constexpr std::uint32_t kBaseWidth = 768, kBaseHeight = 512;
constexpr std::size_t kSignatureOffset = kSector;  // the image pack information sector
constexpr std::size_t kAttributesOffset = 0xE02;   // low two bits: how to turn the picture
constexpr std::uint8_t kTurnQuarterLeft = 1;

// The three base resolutions, each at its fixed place in the image pack.
struct Level {
  std::uint32_t divisor;
  std::size_t offset;
};
constexpr Level kLevels[] = {{4, 4 * kSector}, {2, 23 * kSector}, {1, 96 * kSector}};

std::uint8_t Clamp(double value) { return static_cast<std::uint8_t>(std::lround(std::min(255.0, std::max(0.0, value)))); }

// Photo YCC of an sRGB pixel: luma scaled so 1.402 fills the byte, chroma offset to 156 and 137.
void ToYcc(const std::uint8_t* rgb, double& luma, double& c1, double& c2) {
  const double r = rgb[0] / 255.0, g = rgb[1] / 255.0, b = rgb[2] / 255.0;
  const double y = 0.299 * r + 0.587 * g + 0.114 * b;
  luma = 255.0 / 1.402 * y;
  c1 = 111.40 * (b - y) + 156.0;
  c2 = 135.64 * (r - y) + 137.0;
}

// Rows in pairs: two luma rows, then one row of each chroma at half resolution.
void PutLevel(const Image& image, std::uint8_t* out) {
  const std::uint32_t w = image.width;
  for (std::uint32_t y = 0; y < image.height; y += 2) {
    std::uint8_t* luma = out;
    std::uint8_t* chroma1 = out + 2 * w;
    std::uint8_t* chroma2 = chroma1 + w / 2;
    for (std::uint32_t x = 0; x < w; x += 2) {
      double sum1 = 0, sum2 = 0;
      for (std::uint32_t dy = 0; dy < 2; ++dy) {
        for (std::uint32_t dx = 0; dx < 2; ++dx) {
          double l, c1, c2;
          ToYcc(image.row(y + dy) + 3 * (x + dx), l, c1, c2);
          luma[dy * w + x + dx] = Clamp(l);
          sum1 += c1;
          sum2 += c2;
        }
      }
      chroma1[x / 2] = Clamp(sum1 / 4);
      chroma2[x / 2] = Clamp(sum2 / 4);
    }
    out += 3 * w;
  }
}

// The picture turned to landscape when needed and fitted into the base size on white.
Image BaseImage(const Image& source, bool turned) {
  Image rotated;
  if (turned) rotated = RotateClockwise(source);
  const Image& upright = turned ? rotated : source;
  const double scale = std::min(double(kBaseWidth) / upright.width, double(kBaseHeight) / upright.height);
  const auto fitted = [scale](std::uint32_t side, std::uint32_t limit) {
    const auto scaled = static_cast<std::uint32_t>(std::lround(side * scale));
    return std::max<std::uint32_t>(1, std::min(limit, scaled));
  };
  const Image resized = ResampleByArea(upright, fitted(upright.width, kBaseWidth), fitted(upright.height, kBaseHeight));
  return PlaceOnWhite(resized, kBaseWidth, kBaseHeight);
}

}  // namespace

// A Photo CD image pack holding the three base resolutions (192x128 up to 768x512), without
// the higher, Huffman-coded ones. Portrait pictures are stored turned, as cameras' were.
long WritePhotoCd(const Image& image, Bytes& out) {
  const bool turned = image.height > image.width;
  const Image base = BaseImage(image, turned);
  const std::size_t start = out.size();
  out.resize(start + kLevels[2].offset + kBaseWidth * kBaseHeight * 3 / 2, 0);
  std::uint8_t* pack = out.data() + start;
  std::fill(pack, pack + kSector, 0xFF);
  const char signature[] = "PCD_IPI";
  std::copy(signature, signature + 7, pack + kSignatureOffset);
  pack[kAttributesOffset] = turned ? kTurnQuarterLeft : 0;
  for (const Level& level : kLevels) {
    if (level.divisor == 1) {
      PutLevel(base, pack + level.offset);
    } else {
      PutLevel(ResampleByArea(base, kBaseWidth / level.divisor, kBaseHeight / level.divisor), pack + level.offset);
    }
  }
  return RASTRA_OK;
}
