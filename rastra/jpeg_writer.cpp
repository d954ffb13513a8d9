#include "image_writers.h"

#include "rastra_result.h"

// The encoder is third-party code: its own warnings are not ours to fix.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wall"
#pragma GCC diagnostic ignored "-Wextra"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

// Just above 90, where the encoder stops halving the colour resolution: coloured text and
// thin coloured lines of documents bleed badly with halved chroma.
constexpr int kJpegQuality = 93;
constexpr std::uint32_t kMaxJpegSide = 65535;

void AppendToBytes(void* context, void* data, int size) {
  PutBytes(*static_cast<Bytes*>(context), static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(size));
}

}  // namespace

long WriteJpeg(const Image& image, Bytes& out) {
  if (image.width > kMaxJpegSide || image.height > kMaxJpegSide) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  const int written = stbi_write_jpg_to_func(AppendToBytes, &out, static_cast<int>(image.width),
                                             static_cast<int>(image.height), 3, image.rgb.data(), kJpegQuality);
  return written ? RASTRA_OK : RASTRA_ERROR_ENCODER;
}
