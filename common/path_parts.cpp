#include "path_parts.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

PathParts SplitPath(const std::string& path) {
  PathParts parts;
  std::size_t rest = 0;
  if (path.size() >= 2 && path[1] == ':') {
    parts.drive = path.substr(0, 2);
    rest = 2;
  }
  std::size_t nameStart = rest;
  for (std::size_t i = rest; i < path.size(); ++i) {
    if (IsSeparator(path[i])) nameStart = i + 1;
  }
  parts.directory = path.substr(rest, nameStart - rest);
  const std::string name = path.substr(nameStart);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) {
    parts.baseName = name;
  } else {
    parts.baseName = name.substr(0, dot);
    parts.extension = name.substr(dot);
  }
  return parts;
}

bool EndsWithSeparator(const std::string& path) { return !path.empty() && IsSeparator(path.back()); }

std::string WithTrailingBackslash(const std::string& directory) {
  return EndsWithSeparator(directory) ? directory : directory + '\\';
}

bool FitsPathBuffer(const std::string& path) { return path.size() <= kMaxPathLength; }

bool JoinPath(const std::string& directory, const std::string& name, std::string& joined) {
  std::string result = WithTrailingBackslash(directory) + name;
  if (!FitsPathBuffer(result)) return false;
  joined = std::move(result);
  return true;
}
