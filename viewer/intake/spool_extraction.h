#pragma once

#include <string>

#include "path_list.h"

constexpr const char kNoMemoryText[] = "Can not malloc memory.";
constexpr const char kNoMemoryCaption[] = "Error";

// Cuts a private copy of a spool file into page files "<base>NNNN.emf" in the work
// directory, appending each page file's path to `pageFiles`, and deletes the copy.
// Returns the number of pages found (0 on any failure; the copy then stays).
int ExtractSpoolPages(const std::string& spoolPath, const std::string& workDir,
                      PathList& pageFiles);
