#include "deflate.h"

#include <zlib.h>

#include <limits>

bool AppendZlibStream(const std::uint8_t* data, std::size_t size, Bytes& out, int level) {
  if (size > std::numeric_limits<uLong>::max() / 2) return false;
  uLongf bound = compressBound(static_cast<uLong>(size));
  const std::size_t start = out.size();
  out.resize(start + bound);
  if (compress2(out.data() + start, &bound, data, static_cast<uLong>(size), level) != Z_OK) {
    out.resize(start);
    return false;
  }
  out.resize(start + bound);
  return true;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  return static_cast<std::uint32_t>(crc32(0, data, static_cast<uInt>(size)));
}
