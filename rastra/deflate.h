#pragma once

#include "byte_order.h"

// zlib's levels. On rendered pages the smallest saves about a quarter of the size but takes
// eight times as long; the default keeps both time and size below those of common tools'.
// On text and lines the smallest costs little.
constexpr int kZlibDefaultLevel = 6;
constexpr int kZlibSmallestLevel = 9;

// Appends `size` bytes compressed as a zlib stream (deflate inside a zlib wrapper). False when zlib fails or the input is too large for it.
bool AppendZlibStream(const std::uint8_t* data, std::size_t size, Bytes& out, int level = kZlibDefaultLevel);

// The CRC-32 that PNG chunks carry.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);
