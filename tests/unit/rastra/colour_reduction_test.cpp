#include "exact_palette.h"
#include "median_cut.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Image Gradient(std::uint32_t width, std::uint32_t height) {
  Image image;
  image.width = width;
  image.height = height;
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      image.rgb.push_back(static_cast<std::uint8_t>(x * 255 / (width - 1)));
      image.rgb.push_back(static_cast<std::uint8_t>(y * 255 / (height - 1)));
      image.rgb.push_back(static_cast<std::uint8_t>((x + y) * 2));
    }
  }
  return image;
}

// Distinct colours in image order: colour i at pixel i, then repeats of the first.
Image WithColours(unsigned count) {
  Image image;
  image.width = count + 10;
  image.height = 1;
  for (unsigned i = 0; i < image.width; ++i) {
    const unsigned c = i < count ? i : 0;
    image.rgb.insert(image.rgb.end(), {std::uint8_t(c), std::uint8_t(c >> 8), 7});
  }
  return image;
}

}  // namespace

TEST(RastraExactPalette, MapsUpTo256ColoursExactlyAndRefusesMore) {
  IndexedImage indexed;
  const Image full = WithColours(256);
  ASSERT_TRUE(FindExactPalette(full, indexed));
  ASSERT_EQ(indexed.palette.size(), 256u);
  for (std::size_t i = 0; i < indexed.indices.size(); ++i) {
    ASSERT_EQ(indexed.palette[indexed.indices[i]], full.pixel(static_cast<std::uint32_t>(i), 0));
  }
  EXPECT_FALSE(FindExactPalette(WithColours(257), indexed));
}

TEST(RastraExactPalette, CompactsAnIndexedSourceToTheColoursItUses) {
  // A 256-entry table with duplicates and unused entries, two colours in use.
  Image image;
  image.width = 3;
  image.height = 1;
  image.palette.assign(256, Rgb{9, 9, 9});
  image.palette[200] = Rgb{1, 2, 3};
  image.indices = {200, 5, 17};
  image.rgb = {1, 2, 3, 9, 9, 9, 9, 9, 9};
  IndexedImage indexed;
  ASSERT_TRUE(FindExactPalette(image, indexed));
  ASSERT_EQ(indexed.palette.size(), 2u);
  EXPECT_EQ(indexed.indices, (std::vector<std::uint8_t>{0, 1, 1}));
  EXPECT_EQ(indexed.palette[0], (Rgb{1, 2, 3}));
}

TEST(RastraMedianCut, ReducesManyColoursTo256WithSmallError) {
  const Image image = Gradient(300, 200);
  const IndexedImage indexed = QuantizeMedianCut(image, 256);
  ASSERT_LE(indexed.palette.size(), 256u);
  ASSERT_GT(indexed.palette.size(), 200u);
  ASSERT_EQ(indexed.indices.size(), std::size_t(300) * 200);
  double squared = 0;
  for (std::size_t i = 0; i < indexed.indices.size(); ++i) {
    ASSERT_LT(indexed.indices[i], indexed.palette.size());
    const Rgb& c = indexed.palette[indexed.indices[i]];
    const int d[3] = {c.r - image.rgb[3 * i], c.g - image.rgb[3 * i + 1], c.b - image.rgb[3 * i + 2]};
    squared += d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
  }
  const double psnr = 10 * std::log10(255.0 * 255.0 / (squared / (3.0 * indexed.indices.size())));
  EXPECT_GT(psnr, 30.0);
}

TEST(RastraMedianCut, SeparatesTheMostDistantColoursFirst) {
  Image image;
  image.width = 4;
  image.height = 1;
  image.rgb = {0, 0, 0, 8, 8, 8, 250, 250, 250, 255, 255, 255};
  const IndexedImage indexed = QuantizeMedianCut(image, 2);
  ASSERT_EQ(indexed.palette.size(), 2u);
  EXPECT_EQ(indexed.indices[0], indexed.indices[1]);
  EXPECT_EQ(indexed.indices[2], indexed.indices[3]);
  EXPECT_NE(indexed.indices[0], indexed.indices[2]);
}
