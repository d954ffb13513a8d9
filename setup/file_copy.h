#pragma once

#include <string>

// Copies a file over any existing target. A path too long for a path buffer is refused
// (last error ERROR_FILENAME_EXCED_RANGE) as a failed copy, never cut short.
bool CopyFileOver(const std::string& source, const std::string& target);
