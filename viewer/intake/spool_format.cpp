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

  // The high word makes the 32-bit offset an unsigned one, not a signed one.
  LONG firstRecordHigh = 0;
  if (SetFilePointer(file.get(), static_cast<LONG>(offset), &firstRecordHigh, FILE_BEGIN) ==
          INVALID_SET_FILE_POINTER &&
      GetLastError() != NO_ERROR) {
    return false;
  }

  unsigned char record[kFirstRecordBytes];
  return ReadExactly(file.get(), record, sizeof record) &&
         SignatureFromFirstRecord(record, signature);
}
