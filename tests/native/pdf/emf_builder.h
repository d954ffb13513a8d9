#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "emf_types.h"

// Writes small enhanced metafiles for tests: a header for a reference device of
// `pixels` x `pixels` pixels on `millimetres` x `millimetres` mm whose frame is the whole
// device, the records given, and an end record.
class EmfBuilder {
 public:
  explicit EmfBuilder(std::int32_t pixels = 100, std::int32_t millimetres = 100) {
    Put(kEmrHeader);
    Put(108);
    for (std::int32_t v : {0, 0, pixels - 1, pixels - 1}) Put(v);
    for (std::int32_t v : {0, 0, millimetres * 100, millimetres * 100}) Put(v);
    Put(kEmfSignature);
    Put(0x10000);
    Put(0);  // nBytes, set at the end
    Put(0);  // nRecords, set at the end
    Put(1);  // nHandles, reserved
    Put(0);  // nDescription
    Put(0);  // offDescription
    Put(0);  // nPalEntries
    Put(pixels);
    Put(pixels);
    Put(millimetres);
    Put(millimetres);
    Put(0);
    Put(0);
    Put(0);
    Put(millimetres * 1000);
    Put(millimetres * 1000);
    m_records = 1;
  }

  // A record of 32-bit fields.
  EmfBuilder& Add(std::uint32_t type, std::initializer_list<std::int64_t> fields) {
    std::vector<std::uint8_t> bytes;
    for (std::int64_t field : fields)
      for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(std::uint64_t(field) >> (8 * i)));
    return AddBytes(type, bytes);
  }

  // A record of raw bytes after type and size, padded to four bytes.
  EmfBuilder& AddBytes(std::uint32_t type, std::vector<std::uint8_t> bytes) {
    while (bytes.size() % 4) bytes.push_back(0);
    Put(type);
    Put(static_cast<std::uint32_t>(bytes.size() + 8));
    m_data.insert(m_data.end(), bytes.begin(), bytes.end());
    ++m_records;
    return *this;
  }

  // The metafile, closed with its end record.
  std::vector<std::uint8_t> Finish() const {
    std::vector<std::uint8_t> data = m_data;
    for (std::uint32_t v : {std::uint32_t(kEmrEof), 20u, 0u, 16u, 20u})
      for (int i = 0; i < 4; ++i) data.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    Set(data, 48, static_cast<std::uint32_t>(data.size()));
    Set(data, 52, m_records + 1);
    return data;
  }

 private:
  void Put(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) m_data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  static void Set(std::vector<std::uint8_t>& data, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) data[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }

  std::vector<std::uint8_t> m_data;
  std::uint32_t m_records = 0;
};

// Fields packed as GDI writes them: a float's bits, two 16-bit values in one field.
inline std::int64_t FloatBits(float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

inline std::int64_t Pack16(int low, int high) {
  return (static_cast<std::uint32_t>(high & 0xFFFF) << 16) | static_cast<std::uint32_t>(low & 0xFFFF);
}

inline std::int64_t Colour(int r, int g, int b) { return r | (g << 8) | (b << 16); }
