#include "port_records.h"

#include <cstring>

namespace {

template <typename Char>
std::size_t TextBytes(const std::basic_string<Char>& text) {
  return (text.size() + 1) * sizeof(Char);
}

// Copies a text with its terminating 0 to `at` and returns where it now lies.
template <typename Char>
Char* Place(const std::basic_string<Char>& text, std::uint8_t*& at) {
  std::memcpy(at, text.c_str(), TextBytes(text));
  Char* placed = reinterpret_cast<Char*>(at);
  at += TextBytes(text);
  return placed;
}

}  // namespace

bool IsPortRecordLevel(int level) { return level == 1 || level == 2; }

template <typename Char>
PackedPorts PackPortRecords(int level, const PortTexts<Char>& texts, std::uint8_t* buffer, std::size_t size) {
  PackedPorts packed;
  const std::size_t recordSize = level == 1 ? sizeof(PortRecord1<Char>) : sizeof(PortRecord2<Char>);
  const std::size_t sharedBytes = level == 1 ? 0 : TextBytes(texts.monitorName) + TextBytes(texts.description);
  for (const std::basic_string<Char>& name : texts.names) packed.needed += recordSize + TextBytes(name) + sharedBytes;
  packed.fits = packed.needed <= size && (buffer != nullptr || packed.needed == 0);
  if (!packed.fits) return packed;

  std::uint8_t* strings = buffer + recordSize * texts.names.size();
  for (std::size_t i = 0; i < texts.names.size(); ++i) {
    std::uint8_t* record = buffer + recordSize * i;
    if (level == 1) {
      const PortRecord1<Char> entry{Place(texts.names[i], strings)};
      std::memcpy(record, &entry, sizeof entry);
    } else {
      PortRecord2<Char> entry{};
      entry.portName = Place(texts.names[i], strings);
      entry.monitorName = Place(texts.monitorName, strings);
      entry.description = Place(texts.description, strings);
      entry.portType = kPortTypeWrite;
      std::memcpy(record, &entry, sizeof entry);
    }
  }
  packed.count = texts.names.size();
  return packed;
}

template PackedPorts PackPortRecords<char>(int, const PortTexts<char>&, std::uint8_t*, std::size_t);
template PackedPorts PackPortRecords<char16_t>(int, const PortTexts<char16_t>&, std::uint8_t*, std::size_t);
