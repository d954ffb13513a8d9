#include "resource_strings.h"

namespace {

// String resources hold at most this many characters.
constexpr int kMaxResourceString = 4096;

}  // namespace

std::string LoadResourceString(UINT id) {
  char buffer[kMaxResourceString];
  const int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, sizeof buffer);
  return length > 0 ? std::string(buffer, length) : std::string();
}

std::string ResourceStringPart(const std::string& text, int index) {
  std::size_t start = 0;
  for (int part = 0; part < index; ++part) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) return std::string();
    start = end + 1;
  }
  const std::size_t end = text.find('\n', start);
  return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
