#include "wininit_deletion.h"

#include <cctype>
#include <vector>

namespace {

constexpr char kSection[] = "[rename]";
constexpr char kDeleteKey[] = "NUL";
constexpr char kLineEnd[] = "\r\n";

// The text cut after each '\n'; the last line may have no end.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::size_t next = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, next - start));
    start = next;
  }
  return lines;
}

// A line without its end and the blanks around it.
std::string Trimmed(const std::string& line) {
  const std::size_t first = line.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return std::string();
  return line.substr(first, line.find_last_not_of(" \t\r\n") - first + 1);
}

bool SameLetters(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

bool IsSectionHeader(const std::string& line) { return !Trimmed(line).empty() && Trimmed(line)[0] == '['; }

bool IsDeletionOf(const std::string& line, const std::string& path) {
  const std::string entry = Trimmed(line);
  const std::size_t equals = entry.find('=');
  return equals != std::string::npos && SameLetters(Trimmed(entry.substr(0, equals)), kDeleteKey) &&
         Trimmed(entry.substr(equals + 1)) == path;
}

bool EndsLine(const std::string& line) { return !line.empty() && line.back() == '\n'; }

}  // namespace

std::string WithWininitDeletion(const std::string& text, const std::string& path) {
  const std::string entry = std::string(kDeleteKey) + "=" + path + kLineEnd;
  std::string result;
  bool inSection = false;
  bool placed = false;
  for (std::string line : Lines(text)) {
    if (IsSectionHeader(line)) inSection = SameLetters(Trimmed(line), kSection);
    if (inSection && IsDeletionOf(line, path)) continue;
    if (!EndsLine(line)) line += kLineEnd;
    result += line;
    if (inSection && !placed && IsSectionHeader(line)) {
      result += entry;
      placed = true;
    }
  }
  if (!placed) result += std::string("[Rename]") + kLineEnd + entry;
  return result;
}
