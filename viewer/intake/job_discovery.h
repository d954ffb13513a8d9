#pragma once

#include <string>

#include "path_list.h"
#include "spool_extraction.h"

// Finds the job just printed and writes its page files into the work directory,
// appending their paths to `pageFiles`: on the NT family the newest "*.SPL" of the spool
// directory, cut into pages; on the 9x family every "~emf*.tmp" of the temporary
// directory, one page each, up to the page cap. Old spool copies and page files are swept
// first.
// Returns the number of candidate files found (0 when the work directory is empty).
// Pages that found no room on the disk are added to `unwritten` when it is given; the
// metafiles of the pages written are made into `made` when it is given; the job's document
// name into `documentName` (NT family: from the spool file; 9x keeps none).
int DiscoverJob(const std::string& workDir, PathList& pageFiles,
                UnwrittenPages* unwritten = nullptr, CutMetafiles* made = nullptr,
                std::u16string* documentName = nullptr);

// Takes a job handed over while another is shown out of the system's hands at once, so
// the spooler may drop its files, leaving the cutting until it is shown: on the NT family
// the spool file DiscoverJob would cut is copied into `securedDir` and listed in
// `spoolCopies` (for ExtractSpoolPages); on the 9x family the pages are copied there as
// page files and listed in `pageFiles`, a cut to the page cap noted in `unwritten` and
// their metafiles made into `made` when these are given. Returns the number of candidate
// files found.
int SecureJobFiles(const std::string& securedDir, PathList& spoolCopies, PathList& pageFiles,
                   UnwrittenPages* unwritten = nullptr, CutMetafiles* made = nullptr);

// Creation time of a file in seconds (its last-write time where the file system records
// no creation time); false when the file's status cannot be read.
using FileTimeReader = bool (*)(const std::string& path, long long& seconds);
// Installs a replacement (nullptr restores the file system's) and returns the previous one.
FileTimeReader SetFileTimeReader(FileTimeReader reader);

// The temporary directory with a trailing backslash; "" when it does not fit 255 characters.
std::string TemporaryDirectory();
