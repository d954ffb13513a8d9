// Any path: its split parts put together give the path back, and a join that succeeds
// fits a path buffer and ends with the name.
#include <cstdlib>
#include <string>

#include "path_parts.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = text.find('\x01');
  const std::string path = text.substr(0, cut);
  const PathParts parts = SplitPath(path);
  Check(parts.drive + parts.directory + parts.baseName + parts.extension == path);
  Check(parts.directory.empty() || EndsWithSeparator(parts.directory));
  Check(parts.extension.empty() || parts.extension[0] == '.');

  const std::string name = cut == std::string::npos ? std::string("x") : text.substr(cut + 1);
  std::string joined = "untouched";
  if (JoinPath(path, name, joined)) {
    Check(FitsPathBuffer(joined));
    Check(joined.size() >= name.size() && joined.compare(joined.size() - name.size(),
                                                         name.size(), name) == 0);
    Check(joined.compare(0, path.size(), path) == 0);
  } else {
    Check(joined == "untouched");
  }
  const std::string withSlash = WithTrailingBackslash(path);
  Check(path.empty() || EndsWithSeparator(withSlash));
  return 0;
}
