#pragma once

#include <cstdint>
#include <string>
#include <vector>

// PendingFileRenameOperations values written out as the registry holds them.

const std::u16string kWideUninstaller = u"C:\\WINDOWS\\system32\\unquill.exe";

// UTF-16LE bytes of a text that may hold 0 units.
inline std::vector<std::uint8_t> Data(const std::u16string& text) {
  std::vector<std::uint8_t> bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

inline std::u16string Pair(const std::u16string& source, const std::u16string& destination) {
  return source + u'\0' + destination + u'\0';
}
