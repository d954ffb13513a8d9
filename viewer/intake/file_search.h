#pragma once

#include <string>

#include "path_list.h"

// Empties `list` and fills it with the files (not folders) of `directory` whose names
// match `pattern` (* and ?, any letter case), in the order the search returns them.
// Returns the number of entries; 0 without touching the list when an argument is empty.
int ListMatchingFiles(const std::string& directory, const std::string& pattern, PathList& list);

// Deletes every file ListMatchingFiles finds; failures are ignored.
void DeleteMatchingFiles(const std::string& directory, const std::string& pattern);
