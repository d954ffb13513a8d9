#include "packbits.h"

namespace {

constexpr std::size_t kMaxRun = 128;

std::size_t RunLength(const std::uint8_t* data, std::size_t size, std::size_t start) {
  std::size_t length = 1;
  while (start + length < size && length < kMaxRun && data[start + length] == data[start]) ++length;
  return length;
}

}  // namespace

void AppendPackBits(const std::uint8_t* data, std::size_t size, Bytes& out) {
  std::size_t i = 0;
  while (i < size) {
    std::size_t run = RunLength(data, size, i);
    if (run >= 3) {
      PutU8(out, 257 - run);
      PutU8(out, data[i]);
      i += run;
      continue;
    }
    // Literals until a run of three starts, so short repeats do not split the literal.
    std::size_t end = i;
    while (end < size && end - i < kMaxRun && RunLength(data, size, end) < 3) ++end;
    PutU8(out, end - i - 1);
    PutBytes(out, data + i, end - i);
    i = end;
  }
}
