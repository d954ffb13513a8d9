#include "pdf_image.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "pdf/emf_builder.h"
#include "pdf/pdf_check.h"
#include "pdf_sheets_writer.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#include "stb_image.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The dictionary and the stream of an image object.
struct Stream {
  std::string dictionary;
  Bytes data;
};

Stream Split(const PdfObject& object) {
  const std::string body(object.body.begin(), object.body.end());
  const std::size_t start = body.find("stream\n") + 7;
  const std::size_t end = body.rfind("\nendstream");
  return Stream{body.substr(0, start), Bytes(object.body.begin() + start, object.body.begin() + end)};
}

bool Has(const Stream& stream, const std::string& entry) {
  return stream.dictionary.find(entry) != std::string::npos;
}

Bytes Inflate(const Bytes& data, std::size_t expected) {
  Bytes out(expected + 1);
  uLongf size = static_cast<uLongf>(out.size());
  EXPECT_EQ(uncompress(out.data(), &size, data.data(), static_cast<uLong>(data.size())), Z_OK);
  out.resize(size);
  return out;
}

// A colourful picture: each pixel's channels from its place.
DecodedDib Gradient(std::uint32_t width, std::uint32_t height) {
  DecodedDib dib;
  dib.image.width = width;
  dib.image.height = height;
  for (std::uint32_t y = 0; y < height; ++y) {
    for (std::uint32_t x = 0; x < width; ++x) {
      for (std::uint32_t c : {x * 7, y * 5, x + y}) dib.image.rgb.push_back(static_cast<std::uint8_t>(c));
    }
  }
  return dib;
}

PdfPictureChoices Choices(int dpi, bool grey = false, bool jpeg = false) {
  PdfPictureChoices choices;
  choices.dpi = dpi;
  choices.grey = grey;
  choices.jpeg = jpeg;
  return choices;
}

TEST(PdfImage, ResamplesDownToTheDpiWherePlacedAndNeverUp) {
  const DecodedDib picture = Gradient(300, 150);
  const struct {
    double widthPoints, heightPoints;
    int dpi;
    const char* size;
  } cases[] = {{72, 36, 100, "/Width 100 /Height 50"},  {72, 36, 600, "/Width 300 /Height 150"},
               {-144, 36, 100, "/Width 200 /Height 50"}, {0.1, 0.1, 300, "/Width 1 /Height 1"},
               {720, 360, 300, "/Width 300 /Height 150"}};
  for (const auto& c : cases) {
    const std::vector<PdfObject> objects = PdfImageObjects(picture, c.widthPoints, c.heightPoints, Choices(c.dpi), 7);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0].number, 7u);
    const Stream stream = Split(objects[0]);
    EXPECT_TRUE(Has(stream, c.size)) << stream.dictionary;
    EXPECT_TRUE(Has(stream, "/Type /XObject /Subtype /Image"));
    EXPECT_FALSE(Has(stream, "/SMask"));
  }
  // Unscaled, the Flate stream holds the very pixels.
  const Stream whole = Split(PdfImageObjects(picture, 720, 360, Choices(300), 1)[0]);
  EXPECT_TRUE(Has(whole, "/ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode"));
  EXPECT_EQ(Inflate(whole.data, picture.image.rgb.size()), picture.image.rgb);
}

TEST(PdfImage, GreyWhenChosenOrWhenThePictureIsGreyAndIndexedWhenThatIsSmaller) {
  DecodedDib picture = Gradient(5, 3);
  const Stream chosen = Split(PdfImageObjects(picture, 500, 300, Choices(300, true), 1)[0]);
  EXPECT_TRUE(Has(chosen, "/ColorSpace /DeviceGray /BitsPerComponent 8"));
  EXPECT_EQ(Inflate(chosen.data, 15), GreyLevels(picture.image));

  MakeGrey(picture.image);
  const Stream grey = Split(PdfImageObjects(picture, 500, 300, Choices(300), 1)[0]);
  EXPECT_TRUE(Has(grey, "/ColorSpace /DeviceGray"));
  EXPECT_EQ(Inflate(grey.data, 15), GreyLevels(picture.image));

  // A two-colour picture at full size stays one bit a pixel, rows on whole bytes.
  DecodedDib mono;
  mono.image.width = 10;
  mono.image.height = 2;
  mono.image.palette = {Rgb{255, 0, 0}, Rgb{0, 0, 255}};
  mono.image.indices = {1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 0};
  for (std::uint8_t i : mono.image.indices) {
    const Rgb c = mono.image.palette[i];
    mono.image.rgb.insert(mono.image.rgb.end(), {c.r, c.g, c.b});
  }
  const Stream indexed = Split(PdfImageObjects(mono, 10, 2, Choices(72), 1)[0]);
  EXPECT_TRUE(Has(indexed, "/ColorSpace [/Indexed /DeviceRGB 1 <FF00000000FF>] /BitsPerComponent 1"))
      << indexed.dictionary;
  EXPECT_EQ(Inflate(indexed.data, 4), (Bytes{0x80, 0x40, 0x7F, 0x80}));
  const Stream greyIndexed = Split(PdfImageObjects(mono, 10, 2, Choices(72, true), 1)[0]);
  EXPECT_TRUE(Has(greyIndexed, "1 <4C4C4C1D1D1D>]")) << greyIndexed.dictionary;
  // Resampled, it is plain colour again.
  const Stream smaller = Split(PdfImageObjects(mono, 5, 1, Choices(72), 1)[0]);
  EXPECT_TRUE(Has(smaller, "/Width 5 /Height 1 /ColorSpace /DeviceRGB /BitsPerComponent 8"));
}

TEST(PdfImage, JpegAndSoftMasks) {
  DecodedDib picture = Gradient(40, 20);
  const std::vector<PdfObject> jpeg = PdfImageObjects(picture, 40, 20, Choices(72, false, true), 3);
  ASSERT_EQ(jpeg.size(), 1u);
  const Stream dct = Split(jpeg[0]);
  EXPECT_TRUE(Has(dct, "/Filter /DCTDecode"));
  int width = 0, height = 0, components = 0;
  stbi_uc* decoded = stbi_load_from_memory(dct.data.data(), static_cast<int>(dct.data.size()), &width, &height,
                                           &components, 3);
  ASSERT_NE(decoded, nullptr);
  EXPECT_EQ(width, 40);
  EXPECT_EQ(height, 20);
  stbi_image_free(decoded);

  // With alpha: the image names its soft mask, the next object, of the same size.
  picture.alpha.resize(40 * 20);
  for (std::size_t i = 0; i < picture.alpha.size(); ++i) picture.alpha[i] = static_cast<std::uint8_t>(i % 2 ? 255 : 0);
  EXPECT_EQ(PdfImageObjectCount(picture), 2u);
  for (bool asJpeg : {false, true}) {
    const std::vector<PdfObject> objects = PdfImageObjects(picture, 20, 10, Choices(72, false, asJpeg), 3);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_TRUE(Has(Split(objects[0]), "/Width 20 /Height 10"));
    EXPECT_TRUE(Has(Split(objects[0]), "/SMask 4 0 R"));
    EXPECT_EQ(objects[1].number, 4u);
    const Stream mask = Split(objects[1]);
    EXPECT_TRUE(Has(mask, "/Width 20 /Height 10 /ColorSpace /DeviceGray /BitsPerComponent 8 /Filter /FlateDecode"));
    // Every two columns, one clear and one opaque, average to half.
    EXPECT_EQ(Inflate(mask.data, 200), Bytes(200, 128));
  }
  picture.alpha.clear();
  EXPECT_EQ(PdfImageObjectCount(picture), 1u);
}

// A blend at constant alpha of a 400 x 200 picture onto 200 x 100 points: at 144 dpi the
// image keeps its size and carries a soft mask.
std::vector<std::uint8_t> BlendedPicture(const DecodedDib& picture) {
  const std::int64_t width = picture.image.width, height = picture.image.height, size = width * height * 3;
  const std::vector<std::int64_t> head = {0, 0, 99, 99, 0, 0, 100, 50, 0x00C80000, 0, 0, FloatBits(1), 0, 0, FloatBits(1),
                                          0, 0, 0, 0, 108, 40, 148, size, width, height,
                                          40, width, height, 1 | (24 << 16), 0, size, 0, 0, 0, 0};
  std::vector<std::uint8_t> fields;
  for (std::int64_t v : head)
    for (int i = 0; i < 4; ++i) fields.push_back(static_cast<std::uint8_t>(std::uint64_t(v) >> (8 * i)));
  // Bottom-up rows of blue, green, red.
  for (std::int64_t y = height - 1; y >= 0; --y)
    for (std::int64_t x = 0; x < width; ++x)
      for (int c : {2, 1, 0}) fields.push_back(picture.image.rgb[std::size_t((y * width + x) * 3 + c)]);
  return fields;
}

TEST(PdfImage, ReadersAgreeOnAWrittenImageAndItsMask) {
  EmfBuilder emf;
  emf.AddBytes(kEmrAlphaBlend, BlendedPicture(Gradient(400, 200)));
  NoFonts fonts;
  GreyPictures pictures;
  const std::string pdf = PdfOfPage(emf.Finish(), fonts, pictures, 200, Choices(144));
  EXPECT_EQ(QpdfCheck(pdf), 0);
  const std::string path = ::testing::TempDir() + "pdf_image_test.pdf";
  std::ofstream(path, std::ios::binary) << pdf;
  // Columns: page, num, type, width, height, colour, comp, bpc, enc, interp, object (the
  // soft mask listed under its image's), ...
  const std::string list = RunCommand("pdfimages -list '" + path + "' 2>&1");
  std::remove(path.c_str());
  const std::size_t image = list.find("image     400   200  rgb     3   8  image  no");
  const std::size_t mask = list.find("smask     400   200  gray    1   8  image  no");
  ASSERT_NE(image, std::string::npos) << list;
  ASSERT_NE(mask, std::string::npos) << list;
  EXPECT_EQ(list.substr(image + 45, 12), list.substr(mask + 45, 12)) << list;  // one object
}

}  // namespace
