#include "page_header.h"

#include "scoped_handle.h"
#include "spool_format.h"

namespace {

// The metafile header record's fixed part, which holds everything the page size needs.
constexpr DWORD kEmfHeaderRecordBytes = 108;
constexpr std::size_t kFrameOffset = 24;

LONG ReadSigned32(const unsigned char* bytes) {
  return static_cast<LONG>(ReadLittleEndian32(bytes));
}

}  // namespace

bool ReadPageFrame(const std::string& path, RECTL& frame) {
  unsigned char header[kEmfHeaderRecordBytes];
  DWORD read = 0;
  {
    ScopedFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || !ReadFile(file.get(), header, sizeof header, &read, nullptr))
      return false;
  }
  if (read < kMinEmfHeaderBytes) return false;
  if (ReadLittleEndian32(header) != kEmrHeaderType ||
      ReadLittleEndian32(header + kEmfSignatureOffset) != kEnhMetaSignature)
    return false;
  frame.left = ReadSigned32(header + kFrameOffset);
  frame.top = ReadSigned32(header + kFrameOffset + 4);
  frame.right = ReadSigned32(header + kFrameOffset + 8);
  frame.bottom = ReadSigned32(header + kFrameOffset + 12);
  return true;
}
