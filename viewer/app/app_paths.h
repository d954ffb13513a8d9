#pragma once

#include <string>

// The option file: the program's own path with the name "option" and the extension
// ".ini"; "" when the result would not fit a path buffer.
std::string OptionFilePath(const std::string& programPath);

// The work directory: the program's folder, a backslash where needed, then "work"
// (no trailing backslash); "" when the result would not fit a path buffer.
std::string WorkDirectoryPath(const std::string& programPath);
