#include <gtest/gtest.h>

#include <zlib.h>

#include "image_writers.h"
#include "rastra.h"
#include "sheet_units.h"

namespace {

Image Filled(std::uint32_t width, std::uint32_t height, Rgb colour, std::uint32_t pixelsPerMeter = 11811) {
  Image image;
  image.width = width;
  image.height = height;
  image.pixelsPerMeterX = image.pixelsPerMeterY = pixelsPerMeter;
  for (std::uint32_t i = 0; i < width * height; ++i) {
    image.rgb.push_back(colour.r);
    image.rgb.push_back(colour.g);
    image.rgb.push_back(colour.b);
  }
  return image;
}

Bytes Inflated(const std::uint8_t* data, std::size_t size, std::size_t expected) {
  Bytes out(expected + 1);
  uLongf length = static_cast<uLongf>(out.size());
  if (uncompress(out.data(), &length, data, static_cast<uLong>(size)) != Z_OK) return Bytes();
  out.resize(length);
  return out;
}

TEST(SheetSizes, A4InPointsAndPixelsAtEachResolutionBothWays) {
  struct Case {
    int dpi;
    std::uint32_t width, height;
  };
  for (const Case& c : {Case{150, 1240, 1754}, Case{300, 2480, 3508}, Case{600, 4961, 7016}}) {
    EXPECT_EQ(PixelsFromTenthsMm(2100, c.dpi), c.width) << c.dpi;
    EXPECT_EQ(PixelsFromTenthsMm(2970, c.dpi), c.height) << c.dpi;
  }
  // Portrait and landscape are the same two lengths; the page's box is the sheet's.
  EXPECT_NEAR(PointsFromTenthsMm(2100), 595.28, 0.01);
  EXPECT_NEAR(PointsFromTenthsMm(2970), 841.89, 0.01);
}

struct TiffPage {
  std::uint32_t width = 0, height = 0, compression = 0, unit = 0, stripOffset = 0, stripBytes = 0;
  std::uint32_t xResolutionOffset = 0;
  std::uint32_t samples = 0;
};

// Walks the chain of directories the way a reader does.
std::vector<TiffPage> ReadPages(const Bytes& file) {
  std::vector<TiffPage> pages;
  std::uint32_t directory = GetU32LE(file.data() + 4);
  while (directory != 0 && pages.size() < 100) {
    EXPECT_EQ(directory % 2, 0u);
    EXPECT_LT(directory + 2u, file.size());
    if (directory + 2u >= file.size()) break;
    const std::uint16_t count = GetU16LE(file.data() + directory);
    TiffPage page;
    std::uint16_t previousTag = 0;
    for (std::uint16_t i = 0; i < count; ++i) {
      const std::uint8_t* entry = file.data() + directory + 2 + 12 * i;
      const std::uint16_t tag = GetU16LE(entry);
      EXPECT_GT(tag, previousTag);
      previousTag = tag;
      const std::uint16_t type = GetU16LE(entry + 2);
      const std::uint32_t value = type == 3 ? GetU16LE(entry + 8) : GetU32LE(entry + 8);
      if (tag == 256) page.width = value;
      if (tag == 257) page.height = value;
      if (tag == 259) page.compression = value;
      if (tag == 277) page.samples = value;
      if (tag == 273) page.stripOffset = value;
      if (tag == 279) page.stripBytes = value;
      if (tag == 282) page.xResolutionOffset = value;
      if (tag == 296) page.unit = value;
    }
    pages.push_back(page);
    directory = GetU32LE(file.data() + directory + 2 + 12 * count);
  }
  return pages;
}

TEST(TiffPages, EveryPageIsChainedWithItsSizeDeflateAndResolution) {
  TiffPagesWriter writer;
  Bytes file = writer.Header();
  const Image images[] = {Filled(40, 50, Rgb{1, 2, 3}), Filled(50, 40, Rgb{255, 255, 255}),
                          Filled(7, 9, Rgb{9, 8, 7})};
  for (int i = 0; i < 3; ++i) {
    // Pages already written count toward offsets: append after them, as to a file.
    ASSERT_EQ(writer.Page(images[i], i == 2, file), RASTRA_OK);
  }
  const std::vector<TiffPage> pages = ReadPages(file);
  ASSERT_EQ(pages.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(pages[i].width, images[i].width);
    EXPECT_EQ(pages[i].height, images[i].height);
    EXPECT_EQ(pages[i].compression, 8u);
    EXPECT_EQ(pages[i].unit, 3u);  // centimetres
    ASSERT_LT(pages[i].xResolutionOffset + 8u, file.size());
    EXPECT_EQ(GetU32LE(file.data() + pages[i].xResolutionOffset), 11811u);
    EXPECT_EQ(GetU32LE(file.data() + pages[i].xResolutionOffset + 4), 100u);
    ASSERT_LE(std::size_t(pages[i].stripOffset) + pages[i].stripBytes, file.size());
    const std::size_t pixelBytes = std::size_t(images[i].width) * images[i].height * pages[i].samples;
    EXPECT_EQ(Inflated(file.data() + pages[i].stripOffset, pages[i].stripBytes, pixelBytes).size(), pixelBytes);
  }
}

}  // namespace
