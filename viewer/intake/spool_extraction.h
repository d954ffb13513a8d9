#pragma once

#include <cstddef>
#include <string>

#include "cut_metafiles.h"
#include "path_list.h"

constexpr const char kNoMemoryText[] = "Can not malloc memory.";
constexpr const char kNoMemoryCaption[] = "Error";
// Takes the number of pages kept.
constexpr const char kTooManyPagesFormat[] =
    "This job has more pages than the viewer can hold at once; only its first %u pages "
    "are shown.";

// Pages of a job that found no room: cutting stops at the first page file that cannot be
// written whole (a full disk), removes that file and leaves it and every later page out.
// Also the pages kept of a job beyond kMaxJobPages.
struct UnwrittenPages {
  int count = 0;      // pages left out
  int of = 0;         // pages found in the jobs cut
  int cappedAt = 0;   // pages kept of a job cut short to the page cap; 0 when none was
};

// What the user is told about a job cut short to the page cap, `kept` pages shown.
std::string TooManyPagesMessage(std::size_t kept);

// Cuts a private copy of a spool file into page files "<base>NNNN.emf" in the work
// directory, appending each page file's path to `pageFiles`, and deletes the copy.
// Returns the number of pages found (0 on any failure; the copy then stays). Pages left
// out for want of room are added to `unwritten` when it is given. A job beyond
// kMaxJobPages keeps its first pages; that too is noted in `unwritten`, for the caller to
// tell the user once the pages are shown. With `made`, each page written also gets its
// metafile made from the bytes at hand. With `documentName`, an empty one takes the job's
// document name from the spool header (the first job's stays when several are cut).
int ExtractSpoolPages(const std::string& spoolPath, const std::string& workDir,
                      PathList& pageFiles, UnwrittenPages* unwritten = nullptr,
                      CutMetafiles* made = nullptr, std::u16string* documentName = nullptr);
