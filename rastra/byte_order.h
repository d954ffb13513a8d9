#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Appending fields to an encoded file, in either byte order.
inline void PutU8(Bytes& out, std::uint32_t value) { out.push_back(static_cast<std::uint8_t>(value)); }

inline void PutU16LE(Bytes& out, std::uint32_t value) {
  PutU8(out, value);
  PutU8(out, value >> 8);
}

inline void PutU32LE(Bytes& out, std::uint32_t value) {
  PutU16LE(out, value);
  PutU16LE(out, value >> 16);
}

inline void PutU16BE(Bytes& out, std::uint32_t value) {
  PutU8(out, value >> 8);
  PutU8(out, value);
}

inline void PutU32BE(Bytes& out, std::uint32_t value) {
  PutU16BE(out, value >> 16);
  PutU16BE(out, value);
}

inline void PutBytes(Bytes& out, const std::uint8_t* data, std::size_t size) {
  out.insert(out.end(), data, data + size);
}

inline void PutBytes(Bytes& out, const Bytes& data) { out.insert(out.end(), data.begin(), data.end()); }

// Text without its terminating zero.
template <std::size_t N>
void PutText(Bytes& out, const char (&text)[N]) {
  out.insert(out.end(), text, text + N - 1);
}

inline void PutZeros(Bytes& out, std::size_t count) { out.insert(out.end(), count, 0); }

// Overwrites a field already appended.
inline void SetU16BE(Bytes& out, std::size_t offset, std::uint32_t value) {
  out[offset] = static_cast<std::uint8_t>(value >> 8);
  out[offset + 1] = static_cast<std::uint8_t>(value);
}

// Reading little-endian fields; the caller has checked the bounds.
inline std::uint16_t GetU16LE(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t GetU32LE(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
