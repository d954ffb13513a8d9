#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What the viewer reads of an EMF spool file: the spool header's version and size, the
// first record (a page's metafile data), and the enhanced-metafile headers of the pages.
constexpr std::uint32_t kSpoolVersion = 0x00010000;
constexpr std::uint32_t kPageMetafileRecord = 12;
constexpr std::uint32_t kEmrHeaderType = 1;
constexpr std::uint32_t kEnhMetaSignature = 0x464D4520;  // " EMF"
constexpr std::size_t kEmfSignatureOffset = 40;
constexpr std::size_t kMinEmfHeaderBytes = 44;  // up to and including the signature

// A page start is recognised by the first page's record type and the low two bytes of its
// header record size; the buffer keeps a terminating 0 after those six bytes.
constexpr std::size_t kPageSignatureLength = 6;
using PageSignature = unsigned char[kPageSignatureLength + 1];

// The spool header's first bytes (version, header size) and the first record's first bytes
// (type, data size, the page's first six bytes).
constexpr std::size_t kSpoolHeadBytes = 8;
constexpr std::size_t kFirstRecordBytes = 8 + kPageSignatureLength;

// The job's document name as the spool header holds it (UTF-16, at the offset in the
// header's third field, ending at its 0). "" when the file is not a spool file of our
// version, names no document, or the name does not start and end inside the header.
std::u16string SpoolDocumentName(const unsigned char* data, std::size_t length);

// Where the first record starts, from the spool header; false unless the version is ours.
bool FirstRecordOffset(const unsigned char (&head)[kSpoolHeadBytes], std::uint32_t& offset);
// The page signature from the first record; false unless it is a page's metafile data.
bool SignatureFromFirstRecord(const unsigned char (&record)[kFirstRecordBytes],
                              PageSignature& signature);

// Checks the spool header and first record and takes the page signature from the first
// page. False when any check fails or the file is too short for it.
bool ReadSpoolSignature(const std::string& spoolPath, PageSignature& signature);

// Offsets of every page start in a spool file held in memory, ascending: each offset
// above 0 where the signature stands, the record type is EMR_HEADER and the metafile
// signature follows 40 bytes on, with at least 44 bytes of the file left there.
std::vector<std::size_t> FindPageStarts(const unsigned char* data, std::size_t length,
                                        const PageSignature& signature);

// One job holds at most this many pages: each shown page keeps a metafile handle, and a
// process on NT gets 10,000 GDI objects (9x far fewer), some of which the viewer needs itself.
constexpr std::size_t kMaxJobPages = 4000;

struct PageRange {
  std::size_t offset;
  std::size_t size;
};

// The pages of a job: each runs from its start to the next start (the last to the end of
// the file), at most `maxPages` of them; `cutShort` when page starts were left over.
struct JobPages {
  std::vector<PageRange> pages;
  bool cutShort = false;
};

JobPages SplitPages(const std::vector<std::size_t>& starts, std::size_t length,
                    std::size_t maxPages);

std::uint32_t ReadLittleEndian32(const unsigned char* bytes);
