#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// PORT_INFO_1 and PORT_INFO_2 as the spooler reads them, in the characters of its family
// (UTF-16 on NT, the ANSI code page on 9x). The Win32 side checks that they match the
// system's records.
template <typename Char>
struct PortRecord1 {
  Char* name;
};

template <typename Char>
struct PortRecord2 {
  Char* portName;
  Char* monitorName;
  Char* description;
  std::uint32_t portType;
  std::uint32_t reserved;
};

constexpr std::uint32_t kPortTypeWrite = 0x1;

template <typename Char>
struct PortTexts {
  std::vector<std::basic_string<Char>> names;
  std::basic_string<Char> monitorName;  // level 2 only
  std::basic_string<Char> description;  // level 2 only
};

struct PackedPorts {
  std::size_t needed = 0;  // bytes the whole list takes
  std::size_t count = 0;   // records written; 0 when the list did not fit
  bool fits = false;
};

// Writes one record of `level` (1 or 2) per port from the buffer's start, and their
// strings right after the last record. Nothing is written unless the whole list fits in
// `size` bytes; `needed` is always set. `buffer` is aligned for a pointer, as the spooler's is.
template <typename Char>
PackedPorts PackPortRecords(int level, const PortTexts<Char>& texts, std::uint8_t* buffer, std::size_t size);

bool IsPortRecordLevel(int level);
