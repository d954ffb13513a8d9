#include "spool_test_support.h"

#include "spool_writer.h"

std::vector<std::size_t> PageRecordOffsets(const Bytes& spool) {
  std::vector<std::size_t> offsets;
  std::size_t at = GetU32(spool, 4);
  while (at + 8 <= spool.size()) {
    const std::uint32_t type = GetU32(spool, at);
    const std::uint32_t size = GetU32(spool, at + 4);
    if (type == kSpoolPageRecord) offsets.push_back(at + 8);
    at += 8 + static_cast<std::size_t>(size);
  }
  return offsets;
}

Bytes ExpectedPage(const Bytes& spool, const std::vector<std::size_t>& starts, std::size_t k) {
  const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : spool.size();
  return Bytes(spool.begin() + static_cast<std::ptrdiff_t>(starts[k]),
               spool.begin() + static_cast<std::ptrdiff_t>(end));
}

std::string RealFixture(const std::string& name) {
  return std::string(QUILLOR_REAL_FIXTURES) + "\\spl\\" + name;
}
