#include "page_header.h"

#include "c_file.h"
#include "spool_format.h"

namespace {

// The metafile header record's fixed part.
constexpr std::size_t kEmfHeaderRecordBytes = 108;
constexpr std::size_t kFrameOffset = 24;

LONG ReadSigned32(const unsigned char* bytes) {
  return static_cast<LONG>(ReadLittleEndian32(bytes));
}

}  // namespace

bool ReadPageFrame(const char* path, RECTL& frame) {
  unsigned char header[kEmfHeaderRecordBytes];
  std::size_t read = 0;
  {
    UniqueCFile file(std::fopen(path, "rb"));
    if (!file) return false;
    read = std::fread(header, 1, sizeof header, file.get());
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
