#pragma once

#include "byte_order.h"

// Compresses palette indices with GIF's variable-length LZW (codes of up to 12 bits, packed
// from the least significant bit) and appends them as data sub-blocks ending with an
// empty block. Every index must be below 2 to the power `minCodeSize` (2 to 8).
void AppendGifLzw(const std::vector<std::uint8_t>& indices, unsigned minCodeSize, Bytes& out);
