// A pending-renames value and a name to remove: only whole pairs of that source go, every
// other byte stays in order, and a second walk finds nothing more to remove.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "pending_rename_walk.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// True when `part` is `whole` with some runs of bytes taken out.
bool IsSubsequence(const std::vector<std::uint8_t>& part, const std::vector<std::uint8_t>& whole) {
  std::size_t at = 0;
  for (std::uint8_t byte : whole) {
    if (at < part.size() && part[at] == byte) ++at;
  }
  return at == part.size();
}

}  // namespace

// The first byte gives the name's length in units; the name follows, then the value.
extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t nameUnits = std::min<std::size_t>(data[0], (size - 1) / 2);
  std::u16string name;
  for (std::size_t i = 0; i < nameUnits; ++i)
    name.push_back(static_cast<char16_t>(data[1 + 2 * i] | data[2 + 2 * i] << 8));
  const std::vector<std::uint8_t> original(data + 1 + 2 * nameUnits, data + size);
  const std::vector<std::u16string> sources = {name, u"\\??\\" + name};

  std::vector<std::uint8_t> value = original;
  const bool removed = RemoveRenamePairs(value, sources);
  Check(removed == (value != original));
  Check(value.size() <= original.size() && (original.size() - value.size()) % 2 == 0);
  Check(IsSubsequence(value, original));
  if (original.size() % 2 == 1) Check(value.back() == original.back());

  std::vector<std::uint8_t> again = value;
  Check(!RemoveRenamePairs(again, sources) && again == value);
  return 0;
}
