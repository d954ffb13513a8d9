#pragma once

#include "byte_order.h"

// Appends `size` bytes compressed as a zlib stream (deflate inside a zlib wrapper). False when zlib fails or the input is too large for it.
bool AppendZlibStream(const std::uint8_t* data, std::size_t size, Bytes& out);

// The CRC-32 that PNG chunks carry.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);
