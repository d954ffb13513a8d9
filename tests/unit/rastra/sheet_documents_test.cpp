#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdlib>
#include <string>

#include "image_writers.h"
#include "pdf_document.h"
#include "rastra.h"

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

std::string Text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

Bytes Inflated(const std::uint8_t* data, std::size_t size, std::size_t expected) {
  Bytes out(expected + 1);
  uLongf length = static_cast<uLongf>(out.size());
  if (uncompress(out.data(), &length, data, static_cast<uLong>(size)) != Z_OK) return Bytes();
  out.resize(length);
  return out;
}

// A whole PDF of the given pages as the viewer writes it.
std::string TwoPagePdf(bool grey) {
  PdfDocumentWriter writer;
  Bytes file = writer.Header();
  const Image pages[] = {Filled(20, 30, Rgb{255, 0, 0}), Filled(30, 20, Rgb{0, 0, 255})};
  for (const Image& image : pages) {
    PdfPageImage page;
    EXPECT_EQ(EncodePdfPixels(image, grey, PdfPixelFilter::Flate, page), RASTRA_OK);
    page.widthPoints = image.width * 2.0;
    page.heightPoints = image.height * 2.0;
    PutBytes(file, writer.Page(page));
  }
  PutBytes(file, writer.Finish("Print (Preview)", PdfDate(2026, 12, 8, 1, 2, 3)));
  return Text(file);
}

std::size_t NumberAfter(const std::string& text, const std::string& key, std::size_t from = 0) {
  const std::size_t at = text.find(key, from);
  EXPECT_NE(at, std::string::npos) << key;
  return at == std::string::npos ? 0 : std::strtoul(text.c_str() + at + key.size(), nullptr, 10);
}

TEST(PdfDocument, CrossReferenceOffsetsNameEachObjectToTheByte) {
  const std::string pdf = TwoPagePdf(false);
  ASSERT_EQ(pdf.rfind("%%EOF\n"), pdf.size() - 6);
  const std::size_t xref = NumberAfter(pdf, "startxref\n", pdf.rfind("startxref"));
  ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
  const std::size_t count = NumberAfter(pdf, "xref\n0 ", xref);
  // Catalogue, page tree, three objects per page, document information.
  EXPECT_EQ(count, 1u + 2u + 2u * 3u + 1u);
  EXPECT_EQ(NumberAfter(pdf, "/Size "), count);
  const std::size_t entries = pdf.find("0000000000 65535 f\r\n", xref);
  ASSERT_NE(entries, std::string::npos);
  for (std::size_t number = 1; number < count; ++number) {
    const std::string entry = pdf.substr(entries + 20 * number, 20);
    ASSERT_EQ(entry.substr(10), " 00000 n\r\n") << number;
    const std::size_t offset = std::strtoul(entry.c_str(), nullptr, 10);
    EXPECT_EQ(pdf.compare(offset, std::to_string(number).size() + 7, std::to_string(number) + " 0 obj\n"), 0)
        << "object " << number << " at " << offset;
  }
  EXPECT_EQ(pdf.compare(entries + 20 * count, 8, "trailer\n"), 0);
}

TEST(PdfDocument, StreamLengthsCoverTheirDataAndPixelsInflateToTheImage) {
  for (bool grey : {false, true}) {
    const std::string pdf = TwoPagePdf(grey);
    std::size_t at = 0;
    int images = 0;
    while ((at = pdf.find("/Length ", at)) != std::string::npos) {
      const std::size_t length = NumberAfter(pdf, "/Length ", at);
      const std::size_t data = pdf.find(">>\nstream\n", at) + 10;
      EXPECT_EQ(pdf.compare(data + length, 11, "\nendstream\n"), 0);
      const std::size_t dictionary = pdf.rfind("<<", at);
      if (pdf.compare(dictionary, 30, "<< /Type /XObject /Subtype /Im") == 0) {
        const std::size_t samples = grey ? 1 : 3;
        const Bytes pixels = Inflated(reinterpret_cast<const std::uint8_t*>(pdf.data() + data), length, 600 * samples);
        ASSERT_EQ(pixels.size(), 600 * samples);
        // The first page is red: its grey level or its R, G, B.
        if (images == 0) {
          EXPECT_EQ(pixels[0], grey ? 76 : 255);
        }
        EXPECT_NE(pdf.find(grey ? "/DeviceGray" : "/DeviceRGB", dictionary), std::string::npos);
        ++images;
      }
      at = data + length;
    }
    EXPECT_EQ(images, 2);
  }
}

TEST(PdfDocument, PagesPointAtTheirTreeImageAndSizeAndTheInformationIsEscaped) {
  const std::string pdf = TwoPagePdf(false);
  EXPECT_NE(pdf.find("<< /Type /Pages /Kids [ 5 0 R 8 0 R ] /Count 2 >>"), std::string::npos);
  EXPECT_NE(pdf.find("<< /Type /Catalog /Pages 2 0 R >>"), std::string::npos);
  EXPECT_NE(pdf.find("/Parent 2 0 R /MediaBox [0 0 40.00 60.00] /Resources << /XObject << /Im1 3 0 R >> >> /Contents 4 0 R"),
            std::string::npos);
  EXPECT_NE(pdf.find("/MediaBox [0 0 60.00 40.00] /Resources << /XObject << /Im1 6 0 R >> >> /Contents 7 0 R"),
            std::string::npos);
  EXPECT_NE(pdf.find("q 40.00 0 0 60.00 0 0 cm /Im1 Do Q"), std::string::npos);
  EXPECT_NE(pdf.find("<< /Title (Print \\(Preview\\)) /CreationDate (D:20261208010203) >>"), std::string::npos);
  EXPECT_NE(pdf.find("/Root 1 0 R /Info 9 0 R"), std::string::npos);
}

TEST(PdfDocument, JpegPagesAreMarkedForTheirDecoder) {
  PdfPageImage page;
  ASSERT_EQ(EncodePdfPixels(Filled(16, 16, Rgb{10, 200, 30}), true, PdfPixelFilter::Dct, page), RASTRA_OK);
  ASSERT_GE(page.encoded.size(), 4u);
  EXPECT_EQ(page.encoded[0], 0xFF);
  EXPECT_EQ(page.encoded[1], 0xD8);
  PdfDocumentWriter writer;
  writer.Header();
  const std::string text = Text(writer.Page(page));
  EXPECT_NE(text.find("/ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /DCTDecode"), std::string::npos);
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
