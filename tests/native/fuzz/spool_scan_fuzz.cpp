// A spool file: the signature taken from its first page, the page starts found with it,
// and the pages cut between them must agree with the rules' own words.
#include <cstdlib>
#include <cstring>

#include "spool_format.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// The shell's two reads, from memory: the spool header, then the first record it names.
bool SpoolSignatureOf(const unsigned char* data, std::size_t length, PageSignature& signature) {
  unsigned char head[kSpoolHeadBytes];
  unsigned char record[kFirstRecordBytes];
  std::uint32_t offset = 0;
  if (length < sizeof head) return false;
  std::memcpy(head, data, sizeof head);
  if (!FirstRecordOffset(head, offset)) return false;
  if (offset > length || length - offset < sizeof record) return false;
  std::memcpy(record, data + offset, sizeof record);
  return SignatureFromFirstRecord(record, signature);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  PageSignature signature;
  if (!SpoolSignatureOf(data, size, signature)) {
    // The scan must hold on any signature, not only on a sound file's.
    if (size < kPageSignatureLength) return 0;
    std::memcpy(signature, data, kPageSignatureLength);
    signature[kPageSignatureLength] = 0;
  }
  const std::vector<std::size_t> starts = FindPageStarts(data, size, signature);
  for (std::size_t k = 0; k < starts.size(); ++k) {
    Check(starts[k] > 0 && starts[k] + kMinEmfHeaderBytes <= size);
    Check(k == 0 || starts[k] > starts[k - 1]);
    Check(std::memcmp(data + starts[k], signature, kPageSignatureLength) == 0);
    Check(ReadLittleEndian32(data + starts[k]) == kEmrHeaderType);
    Check(ReadLittleEndian32(data + starts[k] + kEmfSignatureOffset) == kEnhMetaSignature);
  }
  // A small cap too, so that cutting short is exercised on small inputs.
  const std::size_t cap = size % 4 + 1;
  for (std::size_t maxPages : {kMaxJobPages, cap}) {
    const JobPages job = SplitPages(starts, size, maxPages);
    Check(job.cutShort == (starts.size() > maxPages));
    Check(job.pages.size() == (job.cutShort ? maxPages : starts.size()));
    // The pages tile the bytes from the first start to the next start left out, or the end.
    std::size_t next = starts.empty() ? 0 : starts[0];
    for (const PageRange& page : job.pages) {
      Check(page.offset == next && page.size > 0 && page.size <= size - page.offset);
      next = page.offset + page.size;
    }
    if (!job.pages.empty()) Check(next == (job.cutShort ? starts[maxPages] : size));
  }
  return 0;
}
