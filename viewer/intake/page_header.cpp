#include "page_header.h"

#include "page_frame.h"
#include "scoped_handle.h"

bool ReadPageFrame(const std::string& path, RECTL& frame) {
  unsigned char header[kEmfHeaderRecordBytes];
  DWORD read = 0;
  {
    ScopedFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || !ReadFile(file.get(), header, sizeof header, &read, nullptr))
      return false;
  }
  PageFrame parsed;
  if (!ParsePageFrame(header, read, parsed)) return false;
  frame = RECTL{parsed.left, parsed.top, parsed.right, parsed.bottom};
  return true;
}
