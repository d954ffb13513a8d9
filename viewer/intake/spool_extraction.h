#pragma once

#include <string>

#include "path_list.h"

constexpr const char kNoMemoryText[] = "Can not malloc memory.";
constexpr const char kNoMemoryCaption[] = "Error";
// Takes the number of pages kept.
constexpr const char kJobCutShortFormat[] =
    "This job has more pages than the viewer can hold at once; only its first %u pages "
    "are shown.";

// Cuts a private copy of a spool file into page files "<base>NNNN.emf" in the work
// directory, appending each page file's path to `pageFiles`, and deletes the copy.
// Returns the number of pages found (0 on any failure; the copy then stays). A job beyond
// kMaxJobPages keeps its first pages and the user is told that it was cut short.
int ExtractSpoolPages(const std::string& spoolPath, const std::string& workDir,
                      PathList& pageFiles);
