#pragma once

#include "byte_order.h"
#include "image.h"

// Largest picture read, in pixels: keeps every buffer size far from 32-bit limits.
constexpr std::uint64_t kMaxImagePixels = std::uint64_t(1) << 26;

// Decodes a whole BMP file: 1, 4 and 8 bits with a colour table; 16 and 32 bits plain or
// with BI_BITFIELDS masks; 24 bits; bottom-up and top-down. Every header field is checked
// against the file's size first. Returns a RastraResult code; `image` is set on RASTRA_OK.
long ReadBmp(const Bytes& file, Image& image);
