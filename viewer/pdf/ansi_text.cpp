#include "ansi_text.h"

namespace {

// Windows-1252 from 0x80 to 0x9F; the five unassigned bytes stand for themselves.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::uint8_t kAnsiCharset = 0, kDefaultCharset = 1, kSymbolCharset = 2;

}  // namespace

bool DecodeAnsiText(const std::uint8_t* bytes, std::size_t count, std::uint8_t charset, std::u16string& text) {
  text.clear();
  if (charset == kSymbolCharset) {
    for (std::size_t i = 0; i < count; ++i) text += static_cast<char16_t>(0xF000 + bytes[i]);
    return true;
  }
  if (charset != kAnsiCharset && charset != kDefaultCharset) return false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t byte = bytes[i];
    text += byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : static_cast<char16_t>(byte);
  }
  return true;
}
