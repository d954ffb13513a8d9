// A BMP file: whatever the reader accepts is a consistent picture, comes back to the same
// pixels through the lossless writers (BMP, run-length TGA), and every writer takes it.
#include <cstdlib>

#include "bmp_reader.h"
#include "image_writers.h"
#include "rastra_result.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// Pictures up to this many pixels go through every writer; larger ones only through the
// lossless pair: eight writers on every larger picture slowed the run to a few hundred
// inputs a second, and a 16 x 16 picture already takes each writer through its rows,
// palettes and runs. The Photo CD writer is left out: it always resamples
// to its fixed base resolutions, half a second a picture under the sanitizers.
constexpr std::uint64_t kAllWritersPixels = 256;
constexpr std::size_t kTgaHeaderBytes = 18;

// Decodes what WriteTga writes: 24-bit run-length packets, bottom row first.
bool DecodeTga(const Bytes& file, std::uint32_t width, std::uint32_t height, Bytes& rgb) {
  if (file.size() < kTgaHeaderBytes || file[2] != 10 || file[16] != 24) return false;
  if ((file[12] | file[13] << 8) != static_cast<int>(width) ||
      (file[14] | file[15] << 8) != static_cast<int>(height))
    return false;
  rgb.assign(std::size_t(width) * height * 3, 0);
  std::size_t at = kTgaHeaderBytes;
  for (std::uint32_t y = height; y-- > 0;) {
    std::uint8_t* row = rgb.data() + std::size_t(y) * width * 3;
    for (std::uint32_t x = 0; x < width;) {
      if (at >= file.size()) return false;
      const std::uint8_t packet = file[at++];
      const std::uint32_t count = (packet & 0x7F) + 1u;
      const bool run = packet & 0x80;
      if (count > width - x) return false;
      for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t source = run ? at : at + 3 * i;
        if (source + 3 > file.size()) return false;
        row[3 * (x + i)] = file[source + 2];
        row[3 * (x + i) + 1] = file[source + 1];
        row[3 * (x + i) + 2] = file[source];
      }
      at += run ? 3 : 3 * count;
      x += count;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const Bytes file(data, data + size);
  Image image;
  if (ReadBmp(file, image) != RASTRA_OK) return 0;
  const std::uint64_t pixels = std::uint64_t(image.width) * image.height;
  Check(image.width > 0 && image.height > 0 && pixels <= kMaxImagePixels);
  Check(image.rgb.size() == pixels * 3);
  if (image.indexed()) {
    Check(image.palette.size() <= 256 && image.indices.size() == pixels);
    for (std::size_t i = 0; i < pixels; ++i) {
      Check(image.indices[i] < image.palette.size());
      const Rgb& colour = image.palette[image.indices[i]];
      Check(image.rgb[3 * i] == colour.r && image.rgb[3 * i + 1] == colour.g &&
            image.rgb[3 * i + 2] == colour.b);
    }
  }

  Bytes dib;
  Check(WriteDib(image, dib) == RASTRA_OK);
  Image again;
  Check(ReadBmp(dib, again) == RASTRA_OK);
  Check(again.width == image.width && again.height == image.height && again.rgb == image.rgb);

  Bytes tga;
  if (WriteTga(image, tga) == RASTRA_OK) {
    Bytes decoded;
    Check(DecodeTga(tga, image.width, image.height, decoded) && decoded == image.rgb);
  } else {
    Check(image.width > 0xFFFF || image.height > 0xFFFF);
  }

  if (pixels > kAllWritersPixels) return 0;
  for (ImageWriter writer : {WritePng, WriteJpeg, WriteTiff, WriteGif, WritePsd, WritePcx,
                             WriteDcx, WritePict}) {
    Bytes out;
    const long result = writer(image, out);
    Check(result == RASTRA_OK || result == RASTRA_ERROR_IMAGE_TOO_SMALL ||
          result == RASTRA_ERROR_IMAGE_TOO_LARGE);
    Check(result != RASTRA_OK || !out.empty());
  }
  return 0;
}
