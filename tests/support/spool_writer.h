#pragma once

#include <string>
#include <vector>

#include "file_bytes.h"

// Record types of the EMF spool format that the writer lays out.
constexpr std::uint32_t kSpoolDevModeRecord = 3;
constexpr std::uint32_t kSpoolPageRecord = 12;
constexpr std::uint32_t kSpoolPageOffsetRecord = 13;

// A print job as the spooler stores it: a header with the document name, then for each
// page a metafile-data record followed by the offset record that points back to it.
struct SpoolJob {
  std::string documentName = "Document";
  std::vector<Bytes> pages;
  // A device-mode record between the first page and its offset record, as some
  // applications' jobs have.
  bool withDevMode = false;
};

Bytes BuildSpoolFile(const SpoolJob& job);

// The offsets at which BuildSpoolFile placed each page's metafile.
std::vector<std::size_t> PageOffsets(const SpoolJob& job);

// A record with a type, a data size and the data.
void AppendRecord(Bytes& spool, std::uint32_t type, const Bytes& data);

// A job of `count` A4 pages drawn with GDI, labelled "Page 1" and on, each with
// `textLines` lines of body text, or with `rising` page i with i times as many, so that
// each page's ink tells which it is.
SpoolJob MakeDrawnJob(int count, const std::string& documentName = "Document",
                      int textLines = 0, bool rising = false);
