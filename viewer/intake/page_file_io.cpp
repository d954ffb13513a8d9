#include "page_file_io.h"

#include <windows.h>

#include <algorithm>
#include <new>

#include "scoped_handle.h"

namespace {

// WriteFile takes a DWORD; large pages are written in pieces of this size.
constexpr DWORD kWriteChunk = 64u << 20;

}  // namespace

PageWrite WritePageFile(const std::string& path, const unsigned char* bytes, std::size_t size) {
  std::size_t done = 0;
  {
    ScopedFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return PageWrite::notCreated;
    while (done < size) {
      const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size - done, kWriteChunk));
      DWORD written = 0;
      if (!WriteFile(file.get(), bytes + done, piece, &written, nullptr) || written == 0) break;
      done += written;
    }
  }
  if (done == size) return PageWrite::written;
  DeleteFileA(path.c_str());
  return PageWrite::cutShort;
}

bool ReadPageBytes(const std::string& path, std::vector<unsigned char>& bytes) {
  ScopedFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  DWORD high = 0;
  const DWORD size = GetFileSize(file.get(), &high);
  if (size == INVALID_FILE_SIZE || high != 0) return false;
  try {
    bytes.resize(size);
  } catch (const std::bad_alloc&) {
    return false;
  }
  DWORD read = 0;
  return size == 0 || (ReadFile(file.get(), bytes.data(), size, &read, nullptr) && read == size);
}
