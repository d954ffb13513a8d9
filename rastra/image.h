#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
};

using Palette = std::vector<Rgb>;

// A decoded picture, rows top to bottom, three bytes (R, G, B) per pixel, no padding.
// An indexed source keeps its palette and one index per pixel besides, so indexed
// formats can be written without a colour search.
struct Image {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> rgb;
  Palette palette;
  std::vector<std::uint8_t> indices;
  // Resolution from the source; 0 when unknown.
  std::uint32_t pixelsPerMeterX = 0;
  std::uint32_t pixelsPerMeterY = 0;

  bool indexed() const { return !palette.empty(); }
  const std::uint8_t* row(std::uint32_t y) const { return rgb.data() + static_cast<std::size_t>(y) * width * 3; }
  Rgb pixel(std::uint32_t x, std::uint32_t y) const {
    const std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * 3;
    return Rgb{p[0], p[1], p[2]};
  }
};

// The same picture as palette indices: at most 256 colours, one byte per pixel.
struct IndexedImage {
  Palette palette;
  std::vector<std::uint8_t> indices;
};

// Dots per inch for formats that store whole numbers; 96 when the source gave none.
inline std::uint32_t DotsPerInch(std::uint32_t pixelsPerMeter) {
  if (pixelsPerMeter == 0) return 96;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(pixelsPerMeter) * 254 + 5000) / 10000);
}

// The grey level of an R, G, B pixel (ITU-R BT.601 weights).
inline std::uint8_t GreyOf(const std::uint8_t* rgb) {
  return static_cast<std::uint8_t>((rgb[0] * 299 + rgb[1] * 587 + rgb[2] * 114 + 500) / 1000);
}

// Turns every pixel to its grey level, still three bytes each.
inline void MakeGrey(Image& image) {
  for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3)
    image.rgb[i] = image.rgb[i + 1] = image.rgb[i + 2] = GreyOf(&image.rgb[i]);
}

// One grey level a pixel, rows as the picture's.
inline std::vector<std::uint8_t> GreyLevels(const Image& image) {
  std::vector<std::uint8_t> grey(std::size_t(image.width) * image.height);
  const std::uint8_t* rgb = image.rgb.data();
  for (std::size_t i = 0; i < grey.size(); ++i, rgb += 3) grey[i] = GreyOf(rgb);
  return grey;
}
