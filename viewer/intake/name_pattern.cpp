#include "name_pattern.h"

#include <cstddef>
#include <vector>

bool NameMatchesPattern(const std::string& name, const std::string& pattern, const LeadByteSet& lead) {
  // By character, not byte: '?' takes a whole double-byte character, and a trail byte that
  // equals a letter is not folded.
  const std::vector<std::string> n = SplitCharacters(AsciiLowerText(name, lead), lead);
  const std::vector<std::string> p = SplitCharacters(AsciiLowerText(pattern, lead), lead);
  // Greedy match with one backtrack point: the last '*' seen and where in the name it
  // began; linear in practice and never recursive, whatever the input.
  std::size_t at = 0;
  std::size_t step = 0;
  std::size_t starAt = std::string::npos;
  std::size_t starName = 0;
  while (at < n.size()) {
    if (step < p.size() && p[step] == "*") {
      starAt = step++;
      starName = at;
    } else if (step < p.size() && (p[step] == "?" || p[step] == n[at])) {
      ++step;
      ++at;
    } else if (starAt != std::string::npos) {
      step = starAt + 1;
      at = ++starName;
    } else {
      return false;
    }
  }
  while (step < p.size() && p[step] == "*") ++step;
  return step == p.size();
}
