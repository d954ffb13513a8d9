#include "ini_text.h"

#include <cstddef>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Trimmed(const std::string& text, std::size_t begin, std::size_t end) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

}  // namespace

bool FindIniValue(const std::string& text, const std::string& section, const std::string& key,
                  std::string& value) {
  bool inSection = false;
  bool sectionSeen = false;
  for (std::size_t begin = 0; begin < text.size();) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trimmed(text, begin, end);
    begin = end + 1;
    if (!line.empty() && line[0] == '[') {
      const std::size_t close = line.find(']');
      // Only the first section of the name counts; a later one of the same name is not read.
      if (inSection) return false;
      inSection = !sectionSeen && close != std::string::npos &&
                  SameName(Trimmed(line, 1, close), section);
      sectionSeen = sectionSeen || inSection;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (!inSection || equals == std::string::npos || !SameName(Trimmed(line, 0, equals), key))
      continue;
    value = Trimmed(line, equals + 1, line.size());
    return true;
  }
  return false;
}
