#include "ini_text.h"

#include <cstddef>

#include "ansi_code_page.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Trimmed(const std::string& text, std::size_t begin, std::size_t end) {
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// Section and key names are ours and ASCII, so folding A to Z alone matches them as the
// platform's profile functions do; trail bytes of a double-byte name are never folded.
bool SameName(const std::string& a, const std::string& b) {
  return SameIgnoringAsciiCase(a, b, AnsiLeadBytes());
}

}  // namespace

bool FindIniValue(const std::string& text, const std::string& section, const std::string& key,
                  std::string& value) {
  bool inSection = false;
  for (std::size_t begin = 0; begin < text.size();) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trimmed(text, begin, end);
    begin = end + 1;
    if (!line.empty() && line[0] == '[') {
      const std::size_t close = FindCharacter(line, "]", AnsiLeadBytes());
      // Only the first section of the name counts; a later one of the same name is not read.
      if (inSection) return false;
      inSection = close != std::string::npos && SameName(Trimmed(line, 1, close), section);
      continue;
    }
    const std::size_t equals = FindCharacter(line, "=", AnsiLeadBytes());
    if (!inSection || equals == std::string::npos || !SameName(Trimmed(line, 0, equals), key))
      continue;
    value = Trimmed(line, equals + 1, line.size());
    return true;
  }
  return false;
}

bool IniHoldsValue(const std::string& text, const std::string& section, const std::string& key,
                   const std::string& written) {
  std::string value;
  return FindIniValue(text, section, key, value) && value == Trimmed(written, 0, written.size());
}
