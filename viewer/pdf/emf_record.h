#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "affine.h"

// One metafile record: its type and bytes (size included), with bounds-checked fields.
// A field that lies outside the record reads as zero, so a short record draws nothing
// wrong instead of reading beyond the buffer.
class EmfRecord {
 public:
  EmfRecord(const std::uint8_t* data, std::size_t size, std::size_t index)
      : m_data(data), m_size(size), m_index(index) {}

  std::uint32_t Type() const { return U32(0); }
  std::size_t Size() const { return m_size; }
  // 0 for the header.
  std::size_t Index() const { return m_index; }

  bool Has(std::size_t offset, std::size_t count) const { return offset <= m_size && count <= m_size - offset; }
  std::uint8_t U8(std::size_t offset) const { return Has(offset, 1) ? m_data[offset] : 0; }
  std::uint16_t U16(std::size_t offset) const;
  std::uint32_t U32(std::size_t offset) const;
  std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
  std::int16_t I16(std::size_t offset) const { return static_cast<std::int16_t>(U16(offset)); }
  float F32(std::size_t offset) const;
  // `count` bytes at `offset`, or nullptr when they are not all inside the record.
  const std::uint8_t* Bytes(std::size_t offset, std::size_t count) const {
    return Has(offset, count) ? m_data + offset : nullptr;
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_index;
};

// The metafile's records front to back. A record whose size is not a multiple of four,
// is shorter than eight bytes or runs past the buffer ends the walk; so does EOF.
class EmfRecords {
 public:
  EmfRecords(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  // False at the end or at a damaged record.
  bool Next(EmfRecord& record);

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_offset = 0;
  std::size_t m_index = 0;
  bool m_done = false;
};

// What the header says about the metafile's space.
struct EmfHeader {
  std::int32_t frame[4] = {};      // rclFrame: left, top, right, bottom, 0.01 mm
  double deviceWidth = 0, deviceHeight = 0;        // szlDevice, pixels
  double millimetresWidth = 0, millimetresHeight = 0;  // szlMicrometers / 1000 when present
};

// False when the buffer does not start with an enhanced metafile header.
bool ReadEmfHeader(const std::uint8_t* data, std::size_t size, EmfHeader& header);

// The points of a poly record: 16-bit or 32-bit pairs from `offset`, as many of `count` as
// the record holds.
std::vector<PointD> RecordPoints(const EmfRecord& record, std::size_t offset, std::size_t count, bool small);
