#pragma once

#include "byte_order.h"

// Appends `size` bytes in PackBits run-length form: a header n of 0..127 copies n + 1
// literal bytes; a header of 257 - n repeats the next byte n times (n = 2..128).
void AppendPackBits(const std::uint8_t* data, std::size_t size, Bytes& out);
