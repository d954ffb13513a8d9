#pragma once

#include <cstdint>
#include <string>
#include <vector>

// BMP files of every kind the screen renderer can write, holding a small document-like
// picture (margins, text-like strokes, coloured bars, a frame; on true-colour kinds also a
// gradient band of many colours), and the RGB pixels a correct reader must find in them.
enum class BmpKind { Indexed1, Indexed4, Indexed8, Rgb555, Rgb565, Rgb16Plain, Rgb24, Bitfields32, Rgb32Plain };

struct BmpSample {
  BmpKind kind;
  std::int32_t width;
  std::int32_t height;
  bool topDown;
};

struct RgbPixel {
  std::uint8_t r, g, b;
  bool operator==(const RgbPixel& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::vector<std::uint8_t> BuildSampleBmp(const BmpSample& sample);

// Top row first, as the reader delivers them.
std::vector<RgbPixel> ExpectedSamplePixels(const BmpSample& sample);

// A short name for file names and test output: "8bit", "565", "32bf-topdown", ...
std::string SampleName(const BmpSample& sample);

std::vector<BmpKind> AllBmpKinds();
