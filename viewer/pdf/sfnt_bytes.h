#pragma once

#include <cstddef>
#include <cstdint>

// A bounds-checked view of a font table's bytes: big-endian fields read as zero where the
// bytes end, so damaged offsets give harmless values rather than reads outside the table.
class SfntBytes {
 public:
  SfntBytes() = default;
  SfntBytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

  const std::uint8_t* data() const { return m_data; }
  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= m_size && count <= m_size - offset;
  }

  std::uint8_t U8(std::size_t offset) const { return Has(offset, 1) ? m_data[offset] : 0; }
  std::uint16_t U16(std::size_t offset) const {
    return Has(offset, 2) ? static_cast<std::uint16_t>(m_data[offset] << 8 | m_data[offset + 1]) : 0;
  }
  std::int16_t S16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
  std::uint32_t U32(std::size_t offset) const {
    return static_cast<std::uint32_t>(U16(offset)) << 16 | U16(offset + 2);
  }
  // The bytes from `offset` on, `count` of them; empty when they are not all there.
  SfntBytes Part(std::size_t offset, std::size_t count) const {
    return Has(offset, count) ? SfntBytes(m_data + offset, count) : SfntBytes();
  }

 private:
  const std::uint8_t* m_data = nullptr;
  std::size_t m_size = 0;
};

constexpr std::uint32_t SfntTag(const char (&name)[5]) {
  return static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[0])) << 24 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[1])) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(name[2])) << 8 |
         static_cast<std::uint8_t>(name[3]);
}
