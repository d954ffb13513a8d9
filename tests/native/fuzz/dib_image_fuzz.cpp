// A metafile bitmap: two bytes give the BITMAPINFO's size, one byte the choices (alpha used,
// grey, JPEG), the rest is the BITMAPINFO and then the bits, each in a buffer of its own
// size so that a read beyond either is caught. Whatever decodes is a consistent picture,
// and its image objects are as many as announced, numbered in order.
#include <cstdlib>

#include "dib_image.h"
#include "pdf_image.h"
#include "pdf_sheets_writer.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

constexpr std::size_t kPrefix = 3;
// Run-length headers make large pictures of few bytes; resampling and compressing those
// took a tenth of a second an input, while a picture of this size already takes the image
// objects through every branch.
constexpr std::size_t kMaxObjectPixels = 1 << 14;
constexpr int kDpi = 24;
constexpr std::uint32_t kFirstNumber = 9;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  if (size < kPrefix) return 0;
  const std::size_t rest = size - kPrefix;
  const std::size_t infoSize = (data[0] | data[1] << 8) % (rest + 1);
  const unsigned flags = data[2];
  const std::vector<std::uint8_t> info(data + kPrefix, data + kPrefix + infoSize);
  const std::vector<std::uint8_t> bits(data + kPrefix + infoSize, data + size);

  DecodedDib dib;
  if (!DecodeDib(info.data(), info.size(), bits.data(), bits.size(), flags & 1, Rgb{1, 2, 3},
                 Rgb{250, 251, 252}, dib)) {
    return 0;
  }
  const Image& image = dib.image;
  const std::size_t pixels = std::size_t(image.width) * image.height;
  Check(image.width > 0 && image.height > 0 && image.rgb.size() == pixels * 3);
  Check(dib.alpha.empty() || dib.alpha.size() == pixels);
  if (image.indexed()) {
    Check(image.palette.size() <= 256 && image.indices.size() == pixels);
    for (std::size_t i = 0; i < pixels; ++i) {
      Check(image.indices[i] < image.palette.size());
      const Rgb& colour = image.palette[image.indices[i]];
      Check(image.rgb[3 * i] == colour.r && image.rgb[3 * i + 1] == colour.g && image.rgb[3 * i + 2] == colour.b);
    }
  }

  if (pixels > kMaxObjectPixels) return 0;
  PdfPictureChoices choices;
  choices.dpi = kDpi;
  choices.grey = flags & 2;
  choices.jpeg = flags & 4;
  // Placed at 72 dpi and written at 24: every side shrinks to a third.
  const std::vector<PdfObject> objects = PdfImageObjects(dib, image.width, image.height, choices, kFirstNumber);
  Check(objects.size() == PdfImageObjectCount(dib));
  for (std::size_t i = 0; i < objects.size(); ++i) {
    Check(objects[i].number == kFirstNumber + i && !objects[i].body.empty());
  }
  return 0;
}
