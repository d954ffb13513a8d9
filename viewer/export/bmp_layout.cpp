#include "bmp_layout.h"

#include <limits>

namespace {

constexpr DWORD kColourMaskCount = 3;

DWORD DefaultColourCount(WORD bitCount) {
  switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

}  // namespace

std::uint64_t BmpRowStride(std::uint32_t width, std::uint32_t bitCount) {
  return (static_cast<std::uint64_t>(width) * bitCount + 31) / 32 * 4;
}

bool BmpImageBytes(std::uint32_t width, std::uint32_t height, std::uint32_t bitCount,
                   DWORD& imageBytes) {
  const std::uint64_t bytes = BmpRowStride(width, bitCount) * height;
  if (bytes > std::numeric_limits<DWORD>::max() - kBmpHeadersBytes - 256 * sizeof(RGBQUAD))
    return false;
  imageBytes = static_cast<DWORD>(bytes);
  return true;
}

DWORD ColourTableBytes(const BITMAPINFOHEADER& header) {
  if (header.biBitCount == 16 || header.biBitCount == 32) return kColourMaskCount * sizeof(DWORD);
  const DWORD colours = header.biClrUsed ? header.biClrUsed : DefaultColourCount(header.biBitCount);
  return colours * sizeof(RGBQUAD);
}

bool IsBmpBitCount(int bitCount) {
  switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      return true;
    default:
      return false;
  }
}

BITMAPFILEHEADER BmpFileHeader(DWORD imageBytes, DWORD tableBytes) {
  BITMAPFILEHEADER header = {};
  header.bfType = kBmpFileType;
  header.bfSize = imageBytes + tableBytes + kBmpHeadersBytes;
  header.bfOffBits = tableBytes + kBmpHeadersBytes;
  return header;
}
