#pragma once

#include <windows.h>

#include <cstdint>

// The layout rules of a device-independent bitmap and of the BMP file that holds one.
constexpr WORD kBmpFileType = 0x4D42;  // "BM"
constexpr DWORD kBmpFileHeaderBytes = 14;
constexpr DWORD kBmpInfoHeaderBytes = 40;
constexpr DWORD kBmpHeadersBytes = kBmpFileHeaderBytes + kBmpInfoHeaderBytes;
// Pixel rows go to the file in blocks of this size, then the remainder.
constexpr std::size_t kBmpWriteBlockBytes = 32768;

static_assert(sizeof(BITMAPFILEHEADER) == kBmpFileHeaderBytes, "packed file header");
static_assert(sizeof(BITMAPINFOHEADER) == kBmpInfoHeaderBytes, "info header");

// Bytes of one pixel row, padded to a multiple of four.
std::uint64_t BmpRowStride(std::uint32_t width, std::uint32_t bitCount);

// Bytes of all pixel rows; false when they would not fit the header's 32-bit size field.
bool BmpImageBytes(std::uint32_t width, std::uint32_t height, std::uint32_t bitCount,
                   DWORD& imageBytes);

// Bytes after the info header: three colour masks for 16 and 32 bits, otherwise the palette.
DWORD ColourTableBytes(const BITMAPINFOHEADER& header);

// The bit counts a device-independent bitmap can have.
bool IsBmpBitCount(int bitCount);

BITMAPFILEHEADER BmpFileHeader(DWORD imageBytes, DWORD tableBytes);
