#include "name_pattern.h"

#include <cstddef>

#include "ascii_case.h"

bool NameMatchesPattern(const std::string& name, const std::string& pattern) {
  // Greedy match with one backtrack point: the last '*' seen and where in the name it
  // began; linear in practice and never recursive, whatever the input.
  std::size_t n = 0;
  std::size_t p = 0;
  std::size_t starAt = std::string::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      starName = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || AsciiLower(pattern[p]) == AsciiLower(name[n]))) {
      ++p;
      ++n;
    } else if (starAt != std::string::npos) {
      p = starAt + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}
