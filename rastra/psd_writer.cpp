#include "image_writers.h"

#include "packbits.h"
#include "rastra_result.h"

namespace {

constexpr std::uint32_t kMaxPsdSide = 30000;
constexpr unsigned kChannels = 3;

}  // namespace

long WritePsd(const Image& image, Bytes& out) {
  if (image.width > kMaxPsdSide || image.height > kMaxPsdSide) return RASTRA_ERROR_IMAGE_TOO_LARGE;
  PutText(out, "8BPS");
  PutU16BE(out, 1);  // version
  PutZeros(out, 6);
  PutU16BE(out, kChannels);
  PutU32BE(out, image.height);
  PutU32BE(out, image.width);
  PutU16BE(out, 8);  // bits per channel
  PutU16BE(out, 3);  // RGB colour mode
  PutU32BE(out, 0);  // no colour mode data
  PutU32BE(out, 0);  // no image resources
  PutU32BE(out, 0);  // no layers
  PutU16BE(out, 1);  // PackBits compression

  // The byte count of every packed row comes first, then the rows, channel by channel.
  const std::size_t countsStart = out.size();
  PutZeros(out, std::size_t(2) * kChannels * image.height);
  Bytes plane(image.width);
  std::size_t countField = countsStart;
  for (unsigned channel = 0; channel < kChannels; ++channel) {
    for (std::uint32_t y = 0; y < image.height; ++y) {
      const std::uint8_t* row = image.row(y);
      for (std::uint32_t x = 0; x < image.width; ++x) plane[x] = row[3 * x + channel];
      const std::size_t before = out.size();
      AppendPackBits(plane.data(), plane.size(), out);
      SetU16BE(out, countField, static_cast<std::uint32_t>(out.size() - before));
      countField += 2;
    }
  }
  return RASTRA_OK;
}
