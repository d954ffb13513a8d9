// Any path: its split parts put together give the path back, and a join that succeeds
// fits a path buffer and ends with the name.
#include <cstdlib>
#include <string>
#include <vector>

#include "path_parts.h"

#include "../../unit/common/known_code_pages.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// Text that ends in a lead byte without its trail is no text of the code page: whatever
// is appended pairs with that byte, as the platform's own walk pairs it.
bool EndsInHalfCharacter(const std::string& text, const LeadByteSet& lead) {
  return WithoutCutCharacter(text, lead) != text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the code page: single-byte or one of the double-byte ones.
  static const std::vector<KnownCodePage> pages = KnownDoubleByteCodePages();
  const LeadByteSet single;
  const LeadByteSet& lead = data[0] % 5 == 0 ? single : pages[data[0] % 5 - 1].lead;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t cut = text.find('\x01');
  const std::string path = text.substr(0, cut);
  const PathParts parts = SplitPath(path, lead);
  Check(parts.drive + parts.directory + parts.baseName + parts.extension == path);
  Check(parts.directory.empty() || EndsWithSeparator(parts.directory, lead));
  Check(parts.extension.empty() || parts.extension[0] == '.');

  const std::string name = cut == std::string::npos ? std::string("x") : text.substr(cut + 1);
  std::string joined = "untouched";
  if (JoinPath(path, name, joined, lead)) {
    Check(FitsPathBuffer(joined));
    Check(joined.size() >= name.size() && joined.compare(joined.size() - name.size(),
                                                         name.size(), name) == 0);
    Check(joined.compare(0, path.size(), path) == 0);
  } else {
    Check(joined == "untouched");
  }
  const std::string withSlash = WithTrailingBackslash(path, lead);
  Check(path.empty() || EndsInHalfCharacter(path, lead) || EndsWithSeparator(withSlash, lead));
  // A cut is a prefix within its bound, and a character after a whole text stands alone.
  const std::string half = CutAtCharacter(path, path.size() / 2, lead);
  Check(half.size() <= path.size() / 2 && path.compare(0, half.size(), half) == 0);
  Check(EndsInHalfCharacter(path, lead) || FindLastCharacter(path + 'x', "x", lead) == path.size());
  return 0;
}
