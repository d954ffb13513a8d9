#include "spool_format.h"

#include <cstring>

// The spool file's rules on bytes alone; the file reading around them is spool_format.cpp's.

namespace {

// The spool header's fields before any text: version, header size, and the offsets of the
// document name and the output file name.
constexpr std::size_t kSpoolHeaderFieldBytes = 16;
constexpr std::size_t kDocumentNameField = 8;

bool IsPageStart(const unsigned char* at, const PageSignature& signature) {
  return std::memcmp(at, signature, kPageSignatureLength) == 0 &&
         ReadLittleEndian32(at) == kEmrHeaderType &&
         ReadLittleEndian32(at + kEmfSignatureOffset) == kEnhMetaSignature;
}

}  // namespace

std::uint32_t ReadLittleEndian32(const unsigned char* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::u16string SpoolDocumentName(const unsigned char* data, std::size_t length) {
  std::u16string name;
  if (length < kSpoolHeaderFieldBytes || ReadLittleEndian32(data) != kSpoolVersion) return name;
  const std::size_t headerSize = ReadLittleEndian32(data + 4) < length ? ReadLittleEndian32(data + 4) : length;
  const std::size_t offset = ReadLittleEndian32(data + kDocumentNameField);
  if (offset < kSpoolHeaderFieldBytes || offset >= headerSize) return name;
  for (std::size_t at = offset; at + 1 < headerSize; at += 2) {
    const char16_t unit = static_cast<char16_t>(data[at] | data[at + 1] << 8);
    if (unit == 0) return name;
    name += unit;
  }
  // No 0 before the header ends: not a name the header holds.
  return std::u16string();
}

bool FirstRecordOffset(const unsigned char (&head)[kSpoolHeadBytes], std::uint32_t& offset) {
  if (ReadLittleEndian32(head) != kSpoolVersion) return false;
  offset = ReadLittleEndian32(head + 4);
  return true;
}

bool SignatureFromFirstRecord(const unsigned char (&record)[kFirstRecordBytes],
                              PageSignature& signature) {
  if (ReadLittleEndian32(record) != kPageMetafileRecord || ReadLittleEndian32(record + 4) == 0)
    return false;
  std::memcpy(signature, record + 8, kPageSignatureLength);
  signature[kPageSignatureLength] = 0;
  return true;
}

std::vector<std::size_t> FindPageStarts(const unsigned char* data, std::size_t length,
                                        const PageSignature& signature) {
  std::vector<std::size_t> starts;
  if (length < kMinEmfHeaderBytes) return starts;
  // The last offset that still has a whole metafile header prefix after it.
  const std::size_t last = length - kMinEmfHeaderBytes;
  // memchr finds candidates for the first signature byte far faster than a byte loop;
  // each candidate is then held to the full rule. Offset 0 is never a page start.
  std::size_t i = 1;
  while (i <= last) {
    const void* hit = std::memchr(data + i, signature[0], last - i + 1);
    if (!hit) break;
    i = static_cast<std::size_t>(static_cast<const unsigned char*>(hit) - data);
    if (IsPageStart(data + i, signature)) starts.push_back(i);
    ++i;
  }
  return starts;
}

JobPages SplitPages(const std::vector<std::size_t>& starts, std::size_t length,
                    std::size_t maxPages) {
  JobPages job;
  job.cutShort = starts.size() > maxPages;
  const std::size_t count = job.cutShort ? maxPages : starts.size();
  job.pages.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    // Past the cap, the last page still ends where the next one starts.
    const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : length;
    job.pages.push_back(PageRange{starts[k], end - starts[k]});
  }
  return job;
}
