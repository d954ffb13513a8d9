#include "emf_record.h"

#include <algorithm>
#include <cstring>

#include "emf_types.h"

std::uint16_t EmfRecord::U16(std::size_t offset) const {
  if (!Has(offset, 2)) return 0;
  return static_cast<std::uint16_t>(m_data[offset] | (m_data[offset + 1] << 8));
}

std::uint32_t EmfRecord::U32(std::size_t offset) const {
  if (!Has(offset, 4)) return 0;
  const std::uint8_t* p = m_data + offset;
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

float EmfRecord::F32(std::size_t offset) const {
  const std::uint32_t bits = U32(offset);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

bool EmfRecords::Next(EmfRecord& record) {
  if (m_done || m_size - m_offset < 8) return false;
  const EmfRecord head(m_data + m_offset, 8, m_index);
  const std::uint32_t size = head.U32(4);
  if (size < 8 || size % 4 != 0 || size > m_size - m_offset) {
    m_done = true;
    return false;
  }
  record = EmfRecord(m_data + m_offset, size, m_index);
  m_offset += size;
  ++m_index;
  if (record.Type() == kEmrEof) m_done = true;
  return true;
}

bool ReadEmfHeader(const std::uint8_t* data, std::size_t size, EmfHeader& header) {
  EmfRecords records(data, size);
  EmfRecord first(data, 0, 0);
  if (!records.Next(first) || first.Type() != kEmrHeader || first.Size() < 88) return false;
  if (first.U32(40) != kEmfSignature) return false;
  for (int i = 0; i < 4; ++i) header.frame[i] = first.I32(24 + 4 * i);
  header.deviceWidth = first.I32(72);
  header.deviceHeight = first.I32(76);
  header.millimetresWidth = first.I32(80);
  header.millimetresHeight = first.I32(84);
  // The micrometre size is the finer one, where the header is long enough to carry it.
  const std::uint32_t descriptionOffset = first.U32(64);
  const bool hasMicrometres = first.Size() >= 108 && (descriptionOffset == 0 || descriptionOffset >= 108);
  if (hasMicrometres && first.I32(100) > 0 && first.I32(104) > 0) {
    header.millimetresWidth = first.I32(100) / 1000.0;
    header.millimetresHeight = first.I32(104) / 1000.0;
  }
  return header.deviceWidth > 0 && header.deviceHeight > 0 && header.millimetresWidth > 0 &&
         header.millimetresHeight > 0;
}

std::vector<PointD> RecordPoints(const EmfRecord& record, std::size_t offset, std::size_t count, bool small) {
  const std::size_t size = small ? 4 : 8;
  count = std::min(count, (record.Size() - std::min(record.Size(), offset)) / size);
  std::vector<PointD> points(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = offset + i * size;
    points[i] = small ? PointD{double(record.I16(at)), double(record.I16(at + 2))}
                      : PointD{double(record.I32(at)), double(record.I32(at + 4))};
  }
  return points;
}
