#include "pdf_image.h"

#include <cmath>
#include <string>

#include "deflate.h"
#include "image_writers.h"
#include "pdf_sheets_writer.h"
#include "rastra_result.h"
#include "resample.h"

namespace {

constexpr double kPointsPerInch = 72;

// Pixels along a side of `points` at most `dpi`, and never more than the picture has.
std::uint32_t SideAtDpi(std::uint32_t pixels, double points, int dpi) {
  const double most = std::fabs(points) / kPointsPerInch * dpi;
  if (dpi <= 0 || !(most < pixels)) return pixels;
  return most < 1 ? 1 : static_cast<std::uint32_t>(most);
}

bool IsGrey(const Image& image) {
  for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3) {
    if (image.rgb[i] != image.rgb[i + 1] || image.rgb[i] != image.rgb[i + 2]) return false;
  }
  return true;
}

// The pixels and how the dictionary describes them.
struct Encoded {
  std::string colourSpace;
  unsigned bitsPerComponent = 8;
  std::string filter;
  Bytes data;
};

// Flate when zlib takes the bytes, else the bytes as they are.
void Deflate(const Bytes& raw, Encoded& out) {
  if (AppendZlibStream(raw.data(), raw.size(), out.data)) {
    out.filter = "/FlateDecode";
    return;
  }
  out.data = raw;
  out.filter.clear();
}

// Palette indices packed at 1, 4 or 8 bits, rows starting on whole bytes.
Encoded IndexedPixels(const Image& image, bool grey) {
  const std::size_t colours = image.palette.size();
  const unsigned bits = colours <= 2 ? 1 : colours <= 16 ? 4 : 8;
  Bytes table;
  for (const Rgb& colour : image.palette) {
    const std::uint8_t rgb[3] = {colour.r, colour.g, colour.b};
    for (std::uint8_t c : rgb) table.push_back(grey ? GreyOf(rgb) : c);
  }
  Encoded out;
  out.colourSpace = "[/Indexed /DeviceRGB " + std::to_string(colours - 1) + " " +
                    PdfHexString(table.data(), table.size()) + "]";
  out.bitsPerComponent = bits;
  const std::size_t rowBytes = (std::size_t(image.width) * bits + 7) / 8;
  Bytes packed(rowBytes * image.height, 0);
  for (std::uint32_t y = 0; y < image.height; ++y) {
    const std::uint8_t* indices = image.indices.data() + std::size_t(y) * image.width;
    std::uint8_t* row = packed.data() + y * rowBytes;
    for (std::uint32_t x = 0; x < image.width; ++x) {
      const std::size_t bit = std::size_t(x) * bits;
      row[bit / 8] |= static_cast<std::uint8_t>(indices[x] << (8 - bits - bit % 8));
    }
  }
  Deflate(packed, out);
  return out;
}

Encoded DirectPixels(const Image& image, bool grey, bool jpeg) {
  Encoded out;
  if (jpeg) {
    // The JPEG writer takes three components; grey pixels stay grey in them.
    Image pixels = image;
    if (grey) MakeGrey(pixels);
    if (WriteJpeg(pixels, out.data) == RASTRA_OK) {
      out.colourSpace = "/DeviceRGB";
      out.filter = "/DCTDecode";
      return out;
    }
    out.data.clear();
  }
  out.colourSpace = grey ? "/DeviceGray" : "/DeviceRGB";
  if (grey) {
    Deflate(GreyLevels(image), out);
  } else {
    Deflate(image.rgb, out);
  }
  return out;
}

// The alpha plane as a grey picture of the image's final size.
Encoded SoftMask(const DecodedDib& picture, std::uint32_t width, std::uint32_t height) {
  Image plane;
  plane.width = picture.image.width;
  plane.height = picture.image.height;
  plane.rgb.reserve(picture.alpha.size() * 3);
  for (std::uint8_t a : picture.alpha) plane.rgb.insert(plane.rgb.end(), 3, a);
  if (width != plane.width || height != plane.height) plane = ResampleByArea(plane, width, height);
  Encoded out;
  out.colourSpace = "/DeviceGray";
  Deflate(GreyLevels(plane), out);
  return out;
}

PdfObject ImageObject(std::uint32_t number, std::uint32_t width, std::uint32_t height,
                      const Encoded& pixels, const std::string& more) {
  std::string entries = "/Type /XObject /Subtype /Image /Width " + std::to_string(width) +
                        " /Height " + std::to_string(height) + " /ColorSpace " + pixels.colourSpace +
                        " /BitsPerComponent " + std::to_string(pixels.bitsPerComponent);
  if (!pixels.filter.empty()) entries += " /Filter " + pixels.filter;
  return PdfObject{number, PdfStreamBody(entries + more, pixels.data)};
}

}  // namespace

std::vector<PdfObject> PdfImageObjects(const DecodedDib& picture, double widthPoints,
                                       double heightPoints, const PdfPictureChoices& choices,
                                       std::uint32_t number) {
  const Image& source = picture.image;
  const std::uint32_t width = SideAtDpi(source.width, widthPoints, choices.dpi);
  const std::uint32_t height = SideAtDpi(source.height, heightPoints, choices.dpi);
  const bool resampled = width != source.width || height != source.height;
  const bool grey = choices.grey || IsGrey(source);

  Encoded pixels;
  if (source.indexed() && !resampled && !choices.jpeg) {
    pixels = IndexedPixels(source, grey);
  } else {
    Image smaller;
    if (resampled) smaller = ResampleByArea(source, width, height);
    pixels = DirectPixels(resampled ? smaller : source, grey, choices.jpeg);
  }
  std::vector<PdfObject> objects;
  if (picture.alpha.empty()) {
    objects.push_back(ImageObject(number, width, height, pixels, ""));
    return objects;
  }
  objects.push_back(ImageObject(number, width, height, pixels,
                                " /SMask " + std::to_string(number + 1) + " 0 R"));
  objects.push_back(ImageObject(number + 1, width, height, SoftMask(picture, width, height), ""));
  return objects;
}

std::uint32_t PdfImageObjectCount(const DecodedDib& picture) { return picture.alpha.empty() ? 1 : 2; }
