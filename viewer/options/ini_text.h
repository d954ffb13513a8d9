#pragma once

#include <string>

// Finds what a profile file's text holds for `key` in `section`, the way the platform's
// profile reader does: the first section of that name, its first line of that key, names
// in any letter case, blanks around names and value dropped. False when there is none.
// It reads the bytes on disk, so a file cut short by a full disk shows as a missing value.
bool FindIniValue(const std::string& text, const std::string& section, const std::string& key,
                  std::string& value);

// Whether the text holds `written` for `key` in `section`, as a reader will find it again
// (blanks around a value are not kept).
bool IniHoldsValue(const std::string& text, const std::string& section, const std::string& key,
                   const std::string& written);
