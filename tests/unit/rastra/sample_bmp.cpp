#include "sample_bmp.h"

namespace {

// The document's colours; index 0 is the paper.
const RgbPixel kDocumentColours[] = {
    {255, 255, 255}, {0, 0, 0},     {200, 16, 40},  {24, 64, 200},  {128, 128, 128}, {0, 150, 70},
    {250, 220, 0},   {96, 0, 128},  {255, 128, 0},  {0, 200, 200},  {64, 64, 64},    {192, 192, 192},
    {128, 0, 0},     {0, 0, 128},   {240, 240, 200}, {16, 100, 16},
};

bool TrueColour(BmpKind kind) { return kind != BmpKind::Indexed1 && kind != BmpKind::Indexed4 && kind != BmpKind::Indexed8; }

unsigned BitCount(BmpKind kind) {
  switch (kind) {
    case BmpKind::Indexed1: return 1;
    case BmpKind::Indexed4: return 4;
    case BmpKind::Indexed8: return 8;
    case BmpKind::Rgb555: case BmpKind::Rgb565: case BmpKind::Rgb16Plain: return 16;
    case BmpKind::Rgb24: return 24;
    default: return 32;
  }
}

// Which document colour a pixel has, or -1 inside the gradient band.
int DocumentIndex(const BmpSample& s, int x, int y) {
  const int w = s.width, h = s.height;
  if (x == 1 || y == 1 || x == w - 2 || y == h - 2) return 4;      // frame
  if (y >= 3 && y < 6 && x >= 3 && x < w / 2) return 2;            // heading bar
  if (y >= 3 && y < 6 && x >= w / 2 + 2 && x < w - 3) return 3;
  if (TrueColour(s.kind) && y >= h - 12 && y < h - 4 && x > 2 && x < w - 3) return -1;
  if (y >= 8 && y < h - 12 && x >= 4 && x < w - 4 && (y % 9) < 6) {  // text lines
    const int glyph = (x * 7 + (y / 9) * 13 + (y % 9) * 3) % 17;
    if (glyph < 5) return 1;
    if (glyph == 5) return 5 + (x / 5 + y / 9) % 11;
  }
  return 0;
}

RgbPixel GradientColour(const BmpSample& s, int x, int y) {
  return RgbPixel{static_cast<std::uint8_t>(x * 255 / s.width), static_cast<std::uint8_t>(255 - (y * 31) % 256),
                  static_cast<std::uint8_t>((x * 3 + y * 17) % 256)};
}

RgbPixel SourceColour(const BmpSample& s, int x, int y) {
  const int index = DocumentIndex(s, x, y);
  if (index < 0) return GradientColour(s, x, y);
  if (s.kind == BmpKind::Indexed1) return kDocumentColours[index == 0 ? 0 : 1];
  return kDocumentColours[index];
}

unsigned Replicate(unsigned value, unsigned bits) {
  unsigned scaled = value << (8 - bits);
  return scaled | (scaled >> bits);
}

bool Green6(BmpKind kind) { return kind == BmpKind::Rgb565; }

std::uint32_t Pack16(BmpKind kind, const RgbPixel& c) {
  if (Green6(kind)) return ((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3);
  return ((c.r >> 3) << 10) | ((c.g >> 3) << 5) | (c.b >> 3);
}

RgbPixel Expected16(BmpKind kind, const RgbPixel& c) {
  return RgbPixel{static_cast<std::uint8_t>(Replicate(c.r >> 3, 5)),
                  static_cast<std::uint8_t>(Green6(kind) ? Replicate(c.g >> 2, 6) : Replicate(c.g >> 3, 5)),
                  static_cast<std::uint8_t>(Replicate(c.b >> 3, 5))};
}

void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  Put16(b, v);
  Put16(b, v >> 16);
}

int PaletteIndex(const BmpSample& s, int x, int y) {
  const int index = DocumentIndex(s, x, y);
  return s.kind == BmpKind::Indexed1 ? (index == 0 ? 0 : 1) : index;
}

}  // namespace

std::vector<BmpKind> AllBmpKinds() {
  return {BmpKind::Indexed1, BmpKind::Indexed4, BmpKind::Indexed8,   BmpKind::Rgb555,    BmpKind::Rgb565,
          BmpKind::Rgb16Plain, BmpKind::Rgb24,  BmpKind::Bitfields32, BmpKind::Rgb32Plain};
}

std::string SampleName(const BmpSample& s) {
  static const char* const kNames[] = {"1bit", "4bit", "8bit", "555bf", "565bf", "16rgb", "24bit", "32bf", "32rgb"};
  return std::string(kNames[static_cast<int>(s.kind)]) + (s.topDown ? "-topdown" : "");
}

std::vector<RgbPixel> ExpectedSamplePixels(const BmpSample& s) {
  std::vector<RgbPixel> pixels;
  for (int y = 0; y < s.height; ++y) {
    for (int x = 0; x < s.width; ++x) {
      const RgbPixel c = SourceColour(s, x, y);
      pixels.push_back(BitCount(s.kind) == 16 ? Expected16(s.kind, c) : c);
    }
  }
  return pixels;
}

std::vector<std::uint8_t> BuildSampleBmp(const BmpSample& s) {
  const unsigned bits = BitCount(s.kind);
  const bool bitfields = s.kind == BmpKind::Rgb555 || s.kind == BmpKind::Rgb565 || s.kind == BmpKind::Bitfields32;
  const std::uint32_t tableSize = bits <= 8 ? 4u << bits : (bitfields ? 12 : 0);
  const std::uint32_t stride = ((s.width * bits + 31) / 32) * 4;
  const std::uint32_t offset = 14 + 40 + tableSize;

  std::vector<std::uint8_t> b = {'B', 'M'};
  Put32(b, offset + stride * s.height);
  Put32(b, 0);
  Put32(b, offset);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(s.width));
  Put32(b, static_cast<std::uint32_t>(s.topDown ? -s.height : s.height));
  Put16(b, 1);
  Put16(b, bits);
  Put32(b, bitfields ? 3 : 0);
  Put32(b, stride * s.height);
  Put32(b, 3780);  // 96 dpi
  Put32(b, 3780);
  Put32(b, 0);
  Put32(b, 0);
  if (bits <= 8) {
    for (unsigned i = 0; i < (1u << bits); ++i) {
      // Entries past the document's colours are filled too, as a screen palette is.
      const RgbPixel c = i < 16 ? kDocumentColours[i] : RgbPixel{std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)};
      b.insert(b.end(), {c.b, c.g, c.r, 0});
    }
  } else if (bitfields) {
    if (s.kind == BmpKind::Rgb565) {
      Put32(b, 0xF800), Put32(b, 0x07E0), Put32(b, 0x001F);
    } else if (s.kind == BmpKind::Rgb555) {
      Put32(b, 0x7C00), Put32(b, 0x03E0), Put32(b, 0x001F);
    } else {
      Put32(b, 0xFF0000), Put32(b, 0xFF00), Put32(b, 0xFF);
    }
  }
  for (int row = 0; row < s.height; ++row) {
    const int y = s.topDown ? row : s.height - 1 - row;
    std::vector<std::uint8_t> line(stride, 0);
    for (int x = 0; x < s.width; ++x) {
      const RgbPixel c = SourceColour(s, x, y);
      if (bits <= 8) {
        const unsigned perByte = 8 / bits;
        line[x / perByte] |= static_cast<std::uint8_t>(PaletteIndex(s, x, y) << (8 - bits * (x % perByte + 1)));
      } else if (bits == 16) {
        const std::uint32_t v = Pack16(s.kind, c);
        line[2 * x] = static_cast<std::uint8_t>(v);
        line[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
      } else {
        const unsigned size = bits / 8;
        line[size * x] = c.b;
        line[size * x + 1] = c.g;
        line[size * x + 2] = c.r;
      }
    }
    b.insert(b.end(), line.begin(), line.end());
  }
  return b;
}
