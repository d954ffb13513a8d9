// A page's metafile bytes: the record walk keeps exactly the whole records before the
// first break, and a page cut there walks as a sound chain holding the same records.
#include <cstdlib>
#include <cstring>

#include "page_records.h"
#include "spool_format.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// Sizes of the records in [0, end), walked without any rule but the sizes themselves.
std::uint32_t CountRecords(const unsigned char* page, std::size_t end) {
  std::uint32_t records = 0;
  for (std::size_t at = 0; at < end; at += ReadLittleEndian32(page + at + 4)) ++records;
  return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const RecordChain chain = WalkRecordChain(data, size);
  Check(chain.wholeBytes <= size);
  Check((chain.records == 0) == (chain.wholeBytes == 0));
  if (chain.records > 0) Check(CountRecords(data, chain.wholeBytes) == chain.records);

  const std::uint32_t tableSize = size >= 60 ? data[56] | data[57] << 8 : 0;
  for (std::size_t at = 0; at < chain.wholeBytes; at += ReadLittleEndian32(data + at + 4))
    IsPlayableRecord(data + at, ReadLittleEndian32(data + at + 4), tableSize);

  if (!chain.broken) return 0;
  const std::vector<unsigned char> cut = CutAtBrokenRecord(data, chain);
  if (chain.records == 0) {
    Check(cut.empty());
    return 0;
  }
  Check(cut.size() == chain.wholeBytes + kEmrEofBytes);
  Check(std::memcmp(cut.data() + 8, data + 8, kEmfBytesOffset - 8) == 0);
  Check(ReadLittleEndian32(cut.data() + kEmfBytesOffset) == cut.size());
  Check(ReadLittleEndian32(cut.data() + kEmfRecordsOffset) == chain.records + 1);
  const RecordChain again = WalkRecordChain(cut.data(), cut.size());
  Check(!again.broken && again.wholeBytes == cut.size() && again.records == chain.records + 1);
  Check(ReadLittleEndian32(cut.data() + chain.wholeBytes) == kEmrEof);
  // The whole records themselves pass unchanged after the header.
  const std::size_t headerSize = ReadLittleEndian32(data + 4);
  Check(std::memcmp(cut.data() + headerSize, data + headerSize, chain.wholeBytes - headerSize) ==
        0);
  return 0;
}
