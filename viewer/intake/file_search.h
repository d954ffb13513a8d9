#pragma once

#include <string>

#include "path_list.h"

// Empties `list` and fills it with the files (not folders) of `directory` whose long names
// match `pattern` as a whole (* and ?, any letter case; see NameMatchesPattern), in the
// order the search returns them.
// Returns the number of entries; 0 without touching the list when an argument is empty.
int ListMatchingFiles(const std::string& directory, const std::string& pattern, PathList& list);

// Deletes every file ListMatchingFiles finds; failures are ignored.
void DeleteMatchingFiles(const std::string& directory, const std::string& pattern);
