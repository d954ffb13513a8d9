#include "source_file.h"

#include "bmp_reader.h"
#include "rastra.h"
#include "scoped_handle.h"

#include <windows.h>

#include <algorithm>

namespace {

// A BMP of the largest picture read, at 32 bits, with room for its headers.
constexpr std::uint64_t kMaxSourceSize = kMaxImagePixels * 4 + 0x10000;

}  // namespace

long ReadSourceFile(const char* path, Bytes& contents) {
  ScopedFileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!file.valid()) return RASTRA_ERROR_SOURCE_UNREADABLE;
  DWORD high = 0;
  const DWORD low = GetFileSize(file.get(), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return RASTRA_ERROR_SOURCE_UNREADABLE;
  const std::uint64_t size = (std::uint64_t(high) << 32) | low;
  if (size > kMaxSourceSize) return RASTRA_ERROR_IMAGE_TOO_LARGE;

  contents.resize(static_cast<std::size_t>(size));
  std::size_t done = 0;
  while (done < contents.size()) {
    DWORD read = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1 << 20));
    if (!ReadFile(file.get(), contents.data() + done, wanted, &read, nullptr)) return RASTRA_ERROR_SOURCE_UNREADABLE;
    if (read == 0) break;  // the file shrank while we read it
    done += read;
  }
  contents.resize(done);
  return RASTRA_OK;
}
