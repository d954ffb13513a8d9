#include "target_file.h"

#include <windows.h>

#include <algorithm>

#include "rastra.h"
#include "replace_file.h"
#include "scoped_handle.h"

namespace {

bool WriteAll(const char* path, const Bytes& contents) {
  ScopedFileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  std::size_t done = 0;
  while (done < contents.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1 << 20));
    if (!WriteFile(file.get(), contents.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

}  // namespace

long WriteTargetFile(const char* targetPath, const Bytes& contents) {
  TemporaryFile temporary(targetPath);
  if (!temporary.made() || !WriteAll(temporary.path(), contents)) return RASTRA_ERROR_TARGET_UNWRITABLE;
  if (!temporary.MoveOver()) return RASTRA_ERROR_TARGET_NOT_REPLACED;
  return RASTRA_OK;
}
