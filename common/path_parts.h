#pragma once

#include <string>

#include "dbcs_text.h"

// Windows path buffers hold MAX_PATH (260) characters including the terminating 0.
constexpr std::size_t kMaxPathLength = 259;

// A path cut the way the C runtime's _splitpath cuts it: "C:", "\dir\", "name", ".ext".
// Every scan walks characters of the code page `lead` describes: a trail byte that equals
// '\' or '/' is no separator.
struct PathParts {
  std::string drive;
  std::string directory;
  std::string baseName;
  std::string extension;
};

PathParts SplitPath(const std::string& path, const LeadByteSet& lead);

bool EndsWithSeparator(const std::string& path, const LeadByteSet& lead);

// The directory with a backslash after it, unless it already ends with one.
std::string WithTrailingBackslash(const std::string& directory, const LeadByteSet& lead);

// Joins directory and name with a backslash only where needed. Refuses (returns false,
// leaves `joined` alone) when the result would not fit a MAX_PATH buffer.
bool JoinPath(const std::string& directory, const std::string& name, std::string& joined,
              const LeadByteSet& lead);

bool FitsPathBuffer(const std::string& path);
