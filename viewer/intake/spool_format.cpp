#include "spool_format.h"

#include <windows.h>

#include "scoped_handle.h"

namespace {

bool ReadExactly(HANDLE file, void* buffer, DWORD size) {
  DWORD read = 0;
  return ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

}  // namespace

bool ReadSpoolSignature(const std::string& spoolPath, PageSignature& signature) {
  ScopedFileHandle file(CreateFileA(spoolPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;

  unsigned char head[kSpoolHeadBytes];
  std::uint32_t offset = 0;
  if (!ReadExactly(file.get(), head, sizeof head) || !FirstRecordOffset(head, offset))
    return false;

  LARGE_INTEGER firstRecord;
  firstRecord.QuadPart = offset;
  if (!SetFilePointerEx(file.get(), firstRecord, nullptr, FILE_BEGIN)) return false;

  unsigned char record[kFirstRecordBytes];
  return ReadExactly(file.get(), record, sizeof record) &&
         SignatureFromFirstRecord(record, signature);
}
