#pragma once

#include <string>

// Windows path buffers hold MAX_PATH (260) characters including the terminating 0.
constexpr std::size_t kMaxPathLength = 259;

// A path cut the way the C runtime's _splitpath cuts it: "C:", "\dir\", "name", ".ext".
struct PathParts {
  std::string drive;
  std::string directory;
  std::string baseName;
  std::string extension;
};

PathParts SplitPath(const std::string& path);

bool EndsWithSeparator(const std::string& path);

// The directory with a backslash after it, unless it already ends with one.
std::string WithTrailingBackslash(const std::string& directory);

// Joins directory and name with a backslash only where needed. Refuses (returns false,
// leaves `joined` alone) when the result would not fit a MAX_PATH buffer.
bool JoinPath(const std::string& directory, const std::string& name, std::string& joined);

bool FitsPathBuffer(const std::string& path);
