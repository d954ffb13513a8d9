// Writes sample BMPs of every depth into a folder and converts each to every format the
// library writes, through its export. The check script decodes the results independently.
#include "rastra.h"
#include "sample_bmp.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

const char* const kExtensions[] = {"png", "jpg", "jpeg", "tif", "tiff", "gif", "psd",
                                   "pcx", "dcx", "tga",  "dib", "pic",  "pcd"};

std::vector<BmpSample> Samples() {
  std::vector<BmpSample> samples;
  for (BmpKind kind : AllBmpKinds()) samples.push_back({kind, 101, 67, false});
  samples.push_back({BmpKind::Indexed8, 101, 67, true});
  samples.push_back({BmpKind::Bitfields32, 101, 67, true});
  samples.push_back({BmpKind::Rgb24, 3, 5, false});
  // Photo CD's base size, landscape and portrait: stored without resampling.
  samples.push_back({BmpKind::Rgb24, 768, 512, false});
  samples.push_back({BmpKind::Bitfields32, 512, 768, false});
  // A screen page: long enough for the GIF code table to fill and restart.
  samples.push_back({BmpKind::Bitfields32, 672, 950, false});
  return samples;
}

std::string NameOf(const BmpSample& sample) {
  std::string name = SampleName(sample);
  if (sample.width != 101) name += "-" + std::to_string(sample.width) + "x" + std::to_string(sample.height);
  return name;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_format_samples FOLDER\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "\\";
  int failures = 0;
  for (const BmpSample& sample : Samples()) {
    const std::string base = folder + NameOf(sample);
    const std::vector<std::uint8_t> bmp = BuildSampleBmp(sample);
    std::ofstream(base + ".bmp", std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()),
                                                        static_cast<std::streamsize>(bmp.size()));
    for (const char* extension : kExtensions) {
      const std::string target = base + "." + extension;
      const LONG result = RastraConvertBmp((base + ".bmp").c_str(), target.c_str());
      if (result != RASTRA_OK) {
        std::fprintf(stderr, "%s: result %ld\n", target.c_str(), static_cast<long>(result));
        ++failures;
      }
    }
  }
  return failures == 0 ? 0 : 1;
}
