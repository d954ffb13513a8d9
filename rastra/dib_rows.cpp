#include "dib_rows.h"

#include "byte_order.h"

std::uint8_t DibChannel::Extract(std::uint32_t pixel) const {
  std::uint32_t value = (pixel & mask) >> shift;
  if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
  // Replicate the high bits into the low ones so that full scale maps to 255.
  std::uint32_t scaled = value << (8 - bits);
  for (unsigned filled = bits; filled < 8; filled += bits) scaled |= scaled >> bits;
  return static_cast<std::uint8_t>(scaled);
}

bool MakeDibChannel(std::uint32_t mask, DibChannel& channel) {
  if (mask == 0) return false;
  unsigned shift = 0;
  while (((mask >> shift) & 1) == 0) ++shift;
  std::uint32_t run = mask >> shift;
  if ((run & (run + 1)) != 0) return false;
  unsigned bits = 0;
  while (run != 0) {
    ++bits;
    run >>= 1;
  }
  channel = DibChannel{mask, shift, bits};
  return true;
}

void DefaultDibMasks(unsigned bitCount, std::uint32_t masks[3]) {
  if (bitCount == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  } else {
    masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  }
}

bool MakeDibMasks(const std::uint32_t masks[3], unsigned bitCount, DibMasks& out) {
  const std::uint32_t depthMask = bitCount == 32 ? 0xFFFFFFFFu : 0xFFFFu;
  if (((masks[0] | masks[1] | masks[2]) & ~depthMask) != 0 || (masks[0] & masks[1]) != 0 ||
      (masks[0] & masks[2]) != 0 || (masks[1] & masks[2]) != 0) {
    return false;
  }
  return MakeDibChannel(masks[0], out.red) && MakeDibChannel(masks[1], out.green) &&
         MakeDibChannel(masks[2], out.blue);
}

Palette ReadRgbQuads(const std::uint8_t* table, std::uint32_t count) {
  Palette palette(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = table + 4 * std::size_t(i);
    palette[i] = Rgb{entry[2], entry[1], entry[0]};
  }
  return palette;
}

std::uint64_t DibStride(std::uint32_t width, unsigned bitCount) {
  return ((std::uint64_t(width) * bitCount + 31) / 32) * 4;
}

bool DecodeIndexedRow(const std::uint8_t* src, std::uint32_t width, unsigned bitCount,
                      const Palette& palette, std::uint8_t* indices, std::uint8_t* rgb) {
  const unsigned perByte = 8 / bitCount;
  const unsigned valueMask = (1u << bitCount) - 1;
  for (std::uint32_t x = 0; x < width; ++x) {
    const unsigned shift = 8 - bitCount * (x % perByte + 1);
    const unsigned index = (src[x / perByte] >> shift) & valueMask;
    if (index >= palette.size()) return false;
    indices[x] = static_cast<std::uint8_t>(index);
    rgb[3 * x] = palette[index].r;
    rgb[3 * x + 1] = palette[index].g;
    rgb[3 * x + 2] = palette[index].b;
  }
  return true;
}

void DecodeDirectRow(const std::uint8_t* src, std::uint32_t width, unsigned bitCount,
                     const DibMasks& masks, std::uint8_t* rgb) {
  for (std::uint32_t x = 0; x < width; ++x) {
    if (bitCount == 24) {
      rgb[3 * x] = src[3 * x + 2];
      rgb[3 * x + 1] = src[3 * x + 1];
      rgb[3 * x + 2] = src[3 * x];
      continue;
    }
    const std::uint32_t pixel = bitCount == 16 ? GetU16LE(src + 2 * x) : GetU32LE(src + 4 * x);
    rgb[3 * x] = masks.red.Extract(pixel);
    rgb[3 * x + 1] = masks.green.Extract(pixel);
    rgb[3 * x + 2] = masks.blue.Extract(pixel);
  }
}
