#include "pending_rename_walk.h"

#include <algorithm>
#include <cstddef>

namespace {

char16_t UnitAt(const std::vector<std::uint8_t>& value, std::size_t unit) {
  return static_cast<char16_t>(value[2 * unit] | (value[2 * unit + 1] << 8));
}

// Index of the first 0 unit at or after `from`, or `units` when there is none.
std::size_t EndOfString(const std::vector<std::uint8_t>& value, std::size_t from, std::size_t units) {
  while (from < units && UnitAt(value, from) != 0) ++from;
  return from;
}

char16_t Folded(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameText(const std::vector<std::uint8_t>& value, std::size_t begin, std::size_t end,
              const std::u16string& text) {
  if (end - begin != text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (Folded(UnitAt(value, begin + i)) != Folded(text[i])) return false;
  }
  return true;
}

}  // namespace

bool RemoveRenamePairs(std::vector<std::uint8_t>& value, const std::vector<std::u16string>& sources) {
  std::size_t units = value.size() / 2;
  std::size_t pair = 0;
  bool removed = false;
  while (pair < units && UnitAt(value, pair) != 0) {
    const std::size_t sourceEnd = EndOfString(value, pair, units);
    if (sourceEnd == units) break;
    const std::size_t pairEnd = std::min(EndOfString(value, sourceEnd + 1, units) + 1, units);
    const bool matches = std::any_of(sources.begin(), sources.end(), [&](const std::u16string& source) {
      return SameText(value, pair, sourceEnd, source);
    });
    if (!matches) {
      pair = pairEnd;
      continue;
    }
    value.erase(value.begin() + static_cast<std::ptrdiff_t>(2 * pair),
                value.begin() + static_cast<std::ptrdiff_t>(2 * pairEnd));
    units -= pairEnd - pair;
    removed = true;
  }
  return removed;
}
