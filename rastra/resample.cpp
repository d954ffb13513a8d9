#include "resample.h"

#include <algorithm>

namespace {

// The source range [first, last) that output position i of `to` covers in `from`.
void Span(std::uint32_t i, std::uint32_t from, std::uint32_t to, std::uint32_t& first, std::uint32_t& last) {
  first = static_cast<std::uint32_t>(std::uint64_t(i) * from / to);
  last = static_cast<std::uint32_t>(std::uint64_t(i + 1) * from / to);
  if (last <= first) last = first + 1;
}

Image Blank(std::uint32_t width, std::uint32_t height) {
  Image image;
  image.width = width;
  image.height = height;
  image.rgb.assign(std::size_t(width) * height * 3, 0);
  return image;
}

}  // namespace

Image ResampleByArea(const Image& image, std::uint32_t width, std::uint32_t height) {
  Image result = Blank(width, height);
  for (std::uint32_t y = 0; y < height; ++y) {
    std::uint32_t top, bottom;
    Span(y, image.height, height, top, bottom);
    for (std::uint32_t x = 0; x < width; ++x) {
      std::uint32_t left, right;
      Span(x, image.width, width, left, right);
      std::uint64_t sum[3] = {0, 0, 0};
      for (std::uint32_t sy = top; sy < bottom; ++sy) {
        const std::uint8_t* row = image.row(sy);
        for (std::uint32_t sx = left; sx < right; ++sx) {
          for (int c = 0; c < 3; ++c) sum[c] += row[3 * sx + c];
        }
      }
      const std::uint64_t count = std::uint64_t(bottom - top) * (right - left);
      std::uint8_t* out = result.rgb.data() + (std::size_t(y) * width + x) * 3;
      for (int c = 0; c < 3; ++c) out[c] = static_cast<std::uint8_t>((sum[c] + count / 2) / count);
    }
  }
  return result;
}

Image RotateClockwise(const Image& image) {
  Image result = Blank(image.height, image.width);
  for (std::uint32_t y = 0; y < result.height; ++y) {
    for (std::uint32_t x = 0; x < result.width; ++x) {
      const std::uint8_t* from = image.row(image.height - 1 - x) + std::size_t(y) * 3;
      std::uint8_t* to = result.rgb.data() + (std::size_t(y) * result.width + x) * 3;
      for (int c = 0; c < 3; ++c) to[c] = from[c];
    }
  }
  return result;
}

Image PlaceOnWhite(const Image& image, std::uint32_t width, std::uint32_t height) {
  Image result = Blank(width, height);
  std::fill(result.rgb.begin(), result.rgb.end(), 255);
  const std::uint32_t left = (width - image.width) / 2, top = (height - image.height) / 2;
  for (std::uint32_t y = 0; y < image.height; ++y) {
    std::copy(image.row(y), image.row(y) + std::size_t(image.width) * 3,
              result.rgb.data() + (std::size_t(top + y) * width + left) * 3);
  }
  return result;
}
