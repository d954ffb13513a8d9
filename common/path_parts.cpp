#include "path_parts.h"

namespace {

constexpr char kSeparators[] = "\\/";

}  // namespace

PathParts SplitPath(const std::string& path, const LeadByteSet& lead) {
  PathParts parts;
  std::size_t rest = 0;
  if (path.size() >= 2 && !lead.IsLead(path[0]) && path[1] == ':') {
    parts.drive = path.substr(0, 2);
    rest = 2;
  }
  const std::string afterDrive = path.substr(rest);
  const std::size_t separator = FindLastCharacter(afterDrive, kSeparators, lead);
  const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
  parts.directory = afterDrive.substr(0, nameStart);
  const std::string name = afterDrive.substr(nameStart);
  const std::size_t dot = FindLastCharacter(name, ".", lead);
  if (dot == std::string::npos) {
    parts.baseName = name;
  } else {
    parts.baseName = name.substr(0, dot);
    parts.extension = name.substr(dot);
  }
  return parts;
}

bool EndsWithSeparator(const std::string& path, const LeadByteSet& lead) {
  const std::size_t separator = FindLastCharacter(path, kSeparators, lead);
  return separator != std::string::npos && separator + 1 == path.size();
}

std::string WithTrailingBackslash(const std::string& directory, const LeadByteSet& lead) {
  return EndsWithSeparator(directory, lead) ? directory : directory + '\\';
}

bool FitsPathBuffer(const std::string& path) { return path.size() <= kMaxPathLength; }

bool JoinPath(const std::string& directory, const std::string& name, std::string& joined,
              const LeadByteSet& lead) {
  std::string result = WithTrailingBackslash(directory, lead) + name;
  if (!FitsPathBuffer(result)) return false;
  joined = std::move(result);
  return true;
}
