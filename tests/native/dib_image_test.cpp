#include "dib_image.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255},
    kBlack{0, 0, 0};
constexpr Rgb kForeground{10, 20, 30}, kBackground{200, 210, 220};
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;
// A 3 x 2 picture, top row first, as indices into kColours.
constexpr int kWidth = 3, kHeight = 2;
constexpr int kGrid[kHeight][kWidth] = {{0, 1, 2}, {3, 4, 0}};
constexpr Rgb kColours[] = {kRed, kGreen, kBlue, kWhite, kBlack};

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

Bytes InfoHeader(std::uint32_t size, std::int32_t width, std::int32_t height, unsigned bitCount,
                 std::uint32_t compression, std::uint32_t colorsUsed = 0) {
  Bytes info;
  Put32(info, size);
  Put32(info, static_cast<std::uint32_t>(width));
  Put32(info, static_cast<std::uint32_t>(height));
  Put16(info, 1);
  Put16(info, bitCount);
  Put32(info, compression);
  for (int i = 0; i < 3; ++i) Put32(info, 0);
  Put32(info, colorsUsed);
  Put32(info, 0);
  info.resize(size, 0);
  return info;
}

void PutQuads(Bytes& info, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const Rgb c = i < 5 ? kColours[i] : Rgb{7, 7, 7};
    for (std::uint8_t v : {c.b, c.g, c.r, std::uint8_t(0)}) info.push_back(v);
  }
}

struct Kind {
  const char* name;
  unsigned bitCount;
  std::uint32_t compression;
  std::uint32_t headerSize;
  std::uint32_t masks[3];  // for BI_BITFIELDS
};

// One pixel of a direct-colour kind, as `kind` packs it.
std::uint32_t Pack(const Kind& kind, Rgb c) {
  std::uint32_t pixel = 0;
  const std::uint32_t* masks = kind.masks;
  static const std::uint32_t k555[3] = {0x7C00, 0x03E0, 0x001F};
  static const std::uint32_t k888[3] = {0xFF0000, 0xFF00, 0xFF};
  if (kind.compression == kRgb) masks = kind.bitCount == 16 ? k555 : k888;
  const std::uint8_t channel[3] = {c.r, c.g, c.b};
  for (int i = 0; i < 3; ++i) {
    if (channel[i] != 0) pixel |= masks[i];
  }
  return pixel;
}

// The 3 x 2 picture in `kind`, bottom-up or top-down.
void Build(const Kind& kind, bool topDown, Bytes& info, Bytes& bits) {
  info = InfoHeader(kind.headerSize, kWidth, topDown ? -kHeight : kHeight, kind.bitCount, kind.compression);
  if (kind.compression == kBitfields) {
    if (kind.headerSize >= 52) {
      for (int i = 0; i < 3; ++i) {
        for (int b = 0; b < 4; ++b) info[40 + 4 * i + b] = static_cast<std::uint8_t>(kind.masks[i] >> (8 * b));
      }
    } else {
      for (std::uint32_t mask : kind.masks) Put32(info, mask);
    }
  }
  if (kind.bitCount <= 8) PutQuads(info, kind.bitCount == 1 ? 2 : 5);
  bits.clear();
  for (int row = 0; row < kHeight; ++row) {
    const int y = topDown ? row : kHeight - 1 - row;
    Bytes line;
    std::uint32_t acc = 0;
    int filled = 0;
    for (int x = 0; x < kWidth; ++x) {
      const int index = kGrid[y][x] % (kind.bitCount == 1 ? 2 : 5);
      if (kind.bitCount <= 8) {
        acc = (acc << kind.bitCount) | index;
        filled += kind.bitCount;
        if (filled == 8) line.push_back(static_cast<std::uint8_t>(acc)), acc = 0, filled = 0;
      } else if (kind.bitCount == 24) {
        const Rgb c = kColours[index];
        for (std::uint8_t v : {c.b, c.g, c.r}) line.push_back(v);
      } else {
        const std::uint32_t pixel = Pack(kind, kColours[index]);
        kind.bitCount == 16 ? Put16(line, pixel) : Put32(line, pixel);
      }
    }
    if (filled != 0) line.push_back(static_cast<std::uint8_t>(acc << (8 - filled)));
    line.resize((line.size() + 3) / 4 * 4, 0);
    bits.insert(bits.end(), line.begin(), line.end());
  }
}

Rgb PixelAt(const DecodedDib& dib, std::uint32_t x, std::uint32_t y) { return dib.image.pixel(x, y); }

bool Decode(const Bytes& info, const Bytes& bits, DecodedDib& out, bool usesAlpha = false) {
  return DecodeDib(info.data(), info.size(), bits.data(), bits.size(), usesAlpha, kForeground,
                   kBackground, out);
}

TEST(DibImage, DecodesEveryDepthAndOrientationToTheSamePixels) {
  const Kind kinds[] = {
      {"1bit", 1, kRgb, 40, {}},
      {"4bit", 4, kRgb, 40, {}},
      {"8bit", 8, kRgb, 40, {}},
      {"8bit-v5", 8, kRgb, 124, {}},
      {"555", 16, kRgb, 40, {}},
      {"565", 16, kBitfields, 40, {0xF800, 0x07E0, 0x001F}},
      {"565-v4", 16, kBitfields, 108, {0xF800, 0x07E0, 0x001F}},
      {"24bit", 24, kRgb, 40, {}},
      {"32bit", 32, kRgb, 40, {}},
      {"32bf-bgr", 32, kBitfields, 40, {0xFF, 0xFF00, 0xFF0000}},
      {"32bf-v5", 32, kBitfields, 124, {0xFF000000, 0xFF0000, 0xFF00}},
  };
  for (const Kind& kind : kinds) {
    for (bool topDown : {false, true}) {
      SCOPED_TRACE(std::string(kind.name) + (topDown ? " top-down" : " bottom-up"));
      Bytes info, bits;
      Build(kind, topDown, info, bits);
      DecodedDib dib;
      ASSERT_TRUE(Decode(info, bits, dib));
      ASSERT_EQ(dib.image.width, 3u);
      ASSERT_EQ(dib.image.height, 2u);
      EXPECT_TRUE(dib.alpha.empty());
      EXPECT_EQ(dib.image.indexed(), kind.bitCount <= 8);
      for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
          EXPECT_EQ(PixelAt(dib, x, y), kColours[kGrid[y][x] % (kind.bitCount == 1 ? 2 : 5)]) << x << "," << y;
      }
      // Bits one byte short, or the header cut anywhere, are refused without reading beyond.
      Bytes shortBits(bits.begin(), bits.end() - 1);
      EXPECT_FALSE(Decode(info, shortBits, dib));
      for (std::size_t size = 0; size < info.size(); ++size) {
        Bytes cut(info.begin(), info.begin() + size);
        DecodedDib partial;
        if (Decode(cut, bits, partial)) {
          // Only a short colour table still decodes (1-bit falls back to text colours).
          EXPECT_LE(kind.bitCount, 8u);
          EXPECT_GE(size, kind.headerSize);
        }
      }
    }
  }
}

TEST(DibImage, ColourTablesFollowTheirCountsAndFallBackForMonochrome) {
  Bytes bits = {0x01, 0x05, 0x00, 0x00};  // 8-bit, 2 x 1: indices 1 and 5
  Bytes info = InfoHeader(40, 2, 1, 8, kRgb, 6);
  PutQuads(info, 6);
  DecodedDib dib;
  ASSERT_TRUE(Decode(info, bits, dib));
  EXPECT_EQ(dib.image.palette.size(), 6u);
  EXPECT_EQ(PixelAt(dib, 1, 0), (Rgb{7, 7, 7}));
  // A table shorter than an index used is refused; one that covers the indices is enough.
  info.resize(40 + 4 * 5);
  EXPECT_FALSE(Decode(info, bits, dib));
  bits[1] = 4;
  EXPECT_TRUE(Decode(info, bits, dib));
  info.resize(40);
  EXPECT_FALSE(Decode(info, bits, dib));

  // 1-bit without colours: clear bits in the text colour, set ones in the background.
  const Bytes mono = {0x40, 0, 0, 0};
  DecodedDib drawn;
  ASSERT_TRUE(Decode(InfoHeader(40, 2, 1, 1, kRgb), mono, drawn));
  EXPECT_EQ(PixelAt(drawn, 0, 0), kForeground);
  EXPECT_EQ(PixelAt(drawn, 1, 0), kBackground);

  // The 12-byte core header with three-byte colour entries.
  Bytes core;
  Put32(core, 12);
  Put16(core, 2), Put16(core, 1), Put16(core, 1), Put16(core, 1);
  for (std::uint8_t v : {0, 0, 255, 255, 0, 0}) core.push_back(v);
  ASSERT_TRUE(Decode(core, mono, drawn));
  EXPECT_EQ(PixelAt(drawn, 0, 0), kRed);
  EXPECT_EQ(PixelAt(drawn, 1, 0), kBlue);
}

TEST(DibImage, RunLengthBitsHonourEscapesAndLeaveSkippedPixelsTransparent) {
  // 8-bit, 4 x 3, bottom row first: a run of 3, end of line; a literal of 3 (padded), a
  // move up 1, a run of 1; end of bitmap. Unwritten pixels are white, alpha 0.
  Bytes info = InfoHeader(40, 4, 3, 8, kRle8);
  PutQuads(info, 5);
  const Bytes rle8 = {3, 1, 0, 0, 0, 3, 2, 0, 4, 0, 0, 2, 0, 1, 1, 4, 0, 1};
  DecodedDib dib;
  ASSERT_TRUE(Decode(info, rle8, dib));
  ASSERT_EQ(dib.alpha.size(), 12u);
  EXPECT_FALSE(dib.image.indexed());
  const Rgb expected[3][4] = {{kWhite, kWhite, kWhite, kBlack},
                              {kBlue, kRed, kBlack, kWhite},
                              {kGreen, kGreen, kGreen, kWhite}};
  const std::uint8_t alpha[3][4] = {{0, 0, 0, 255}, {255, 255, 255, 0}, {255, 255, 255, 0}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(PixelAt(dib, x, y), expected[y][x]) << x << "," << y;
      EXPECT_EQ(dib.alpha[4 * y + x], alpha[y][x]) << x << "," << y;
    }
  }

  // 4-bit, 5 x 1 written whole: a run alternating two indices, a literal of two. Runs past
  // the edge are clipped; the picture keeps its palette and needs no alpha.
  Bytes info4 = InfoHeader(40, 5, 1, 4, kRle4);
  PutQuads(info4, 5);
  const Bytes rle4 = {3, 0x12, 0, 3, 0x34, 0x00, 0, 0, 9, 0x22, 0, 1};
  ASSERT_TRUE(Decode(info4, rle4, dib));
  EXPECT_TRUE(dib.alpha.empty());
  EXPECT_TRUE(dib.image.indexed());
  const Rgb row4[5] = {kGreen, kBlue, kGreen, kWhite, kBlack};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(PixelAt(dib, x, 0), row4[x]) << x;

  // Literals or moves running off the bits, indices beyond the table, top-down run-length
  // bits and run-length depths that do not match are refused.
  for (const Bytes& damaged : {Bytes{0, 5, 1, 1}, Bytes{0, 2, 1}, Bytes{2, 9}, Bytes{0, 3, 9, 9}}) {
    EXPECT_FALSE(Decode(info, damaged, dib)) << int(damaged[1]);
  }
  EXPECT_FALSE(Decode(InfoHeader(40, 4, -3, 8, kRle8), rle8, dib));
  EXPECT_FALSE(Decode(InfoHeader(40, 4, 3, 4, kRle8), rle8, dib));
  // Bits ending without an end of bitmap keep what they wrote.
  EXPECT_TRUE(Decode(info, Bytes{3, 1}, dib));
}

TEST(DibImage, RefusesImpossibleSizesAndMasks) {
  const Bytes some(64, 0);
  DecodedDib dib;
  const struct {
    std::int32_t width, height;
    unsigned bitCount;
    std::uint32_t compression;
  } bad[] = {{0, 1, 24, kRgb},          {-1, 1, 24, kRgb},         {1, 0, 24, kRgb},
             {1, INT32_MIN, 24, kRgb},  {1, 1, 2, kRgb},           {1, 1, 24, 7},
             {1, 1, 24, kBitfields},    {1 << 20, 1 << 20, 1, kRgb}, {1 << 14, 1 << 14, 8, kRle8},
             {0x7FFFFFFF, 1, 32, kRgb}};
  for (const auto& b : bad) {
    Bytes info = InfoHeader(40, b.width, b.height, b.bitCount, b.compression);
    PutQuads(info, 256);
    EXPECT_FALSE(Decode(info, some, dib)) << b.width << "x" << b.height << " " << b.bitCount;
  }
  const std::uint32_t badMasks[][3] = {{0, 0xFF00, 0xFF}, {0xFF00FF, 0xFF00, 0}, {0xFFFF, 0xFF00, 0xFF},
                                       {0xF0F0, 0x0F00, 0x000F}};
  for (const auto& masks : badMasks) {
    Bytes info = InfoHeader(40, 1, 1, 32, kBitfields);
    for (std::uint32_t mask : masks) Put32(info, mask);
    EXPECT_FALSE(Decode(info, some, dib)) << std::hex << masks[0];
  }
  // Masks missing from a 40-byte header's end.
  EXPECT_FALSE(Decode(InfoHeader(40, 1, 1, 16, kBitfields), some, dib));
}

TEST(DibImage, KeepsAlphaOnlyWhenAskedAndMeaningful) {
  // 32-bit BI_RGB, 3 x 1: premultiplied half-transparent red, opaque green, clear pixel.
  const Bytes info = InfoHeader(40, 3, 1, 32, kRgb);
  const Bytes bits = {0, 0, 128, 128, 0, 255, 0, 255, 0, 0, 0, 0};
  DecodedDib dib;
  ASSERT_TRUE(Decode(info, bits, dib, true));
  ASSERT_EQ(dib.alpha, (Bytes{128, 255, 0}));
  EXPECT_EQ(PixelAt(dib, 0, 0), kRed);
  EXPECT_EQ(PixelAt(dib, 1, 0), kGreen);
  ASSERT_TRUE(Decode(info, bits, dib, false));
  EXPECT_TRUE(dib.alpha.empty());
  EXPECT_EQ(PixelAt(dib, 0, 0), (Rgb{128, 0, 0}));
  // All zero (how most programs leave the fourth byte) or all opaque: no plane.
  for (std::uint8_t a : {0, 255}) {
    const Bytes same = {0, 0, 9, a, 0, 9, 0, a, 9, 0, 0, a};
    ASSERT_TRUE(Decode(info, same, dib, true));
    EXPECT_TRUE(dib.alpha.empty()) << int(a);
    EXPECT_EQ(PixelAt(dib, 0, 0), (Rgb{9, 0, 0}));
  }
  // A larger header's alpha mask is honoured; bit fields without one stay opaque.
  Bytes v5 = InfoHeader(124, 1, 1, 32, kBitfields);
  const std::uint32_t masks[4] = {0xFF, 0xFF00, 0xFF0000, 0xFF000000};
  for (int i = 0; i < 4; ++i) {
    for (int b = 0; b < 4; ++b) v5[40 + 4 * i + b] = static_cast<std::uint8_t>(masks[i] >> (8 * b));
  }
  ASSERT_TRUE(Decode(v5, Bytes{255, 0, 0, 51}, dib, true));
  EXPECT_EQ(dib.alpha, Bytes{51});
  EXPECT_EQ(PixelAt(dib, 0, 0), kRed);
  Bytes plain = InfoHeader(40, 1, 1, 32, kBitfields);
  for (int i = 0; i < 3; ++i) Put32(plain, masks[i]);
  ASSERT_TRUE(Decode(plain, Bytes{255, 0, 0, 51}, dib, true));
  EXPECT_TRUE(dib.alpha.empty());
}

}  // namespace
