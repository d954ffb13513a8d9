#include "target_file.h"

#include <windows.h>

#include <algorithm>

#include "rastra.h"
#include "replace_file.h"
#include "scoped_handle.h"

namespace {

HANDLE CreateForWriting(const char* path) {
  return CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool WriteBytes(HANDLE file, const Bytes& contents) {
  std::size_t done = 0;
  while (done < contents.size()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1 << 20));
    if (!WriteFile(file, contents.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return true;
}

bool WriteAll(const char* path, const Bytes& contents) {
  ScopedFileHandle file(CreateForWriting(path));
  return file.valid() && WriteBytes(file.get(), contents);
}

}  // namespace

long WriteTargetFile(const char* targetPath, const Bytes& contents) {
  TemporaryFile temporary(targetPath);
  if (!temporary.made() || !WriteAll(temporary.path(), contents)) return RASTRA_ERROR_TARGET_UNWRITABLE;
  if (!temporary.MoveOver()) return RASTRA_ERROR_TARGET_NOT_REPLACED;
  return RASTRA_OK;
}

StreamedTargetFile::StreamedTargetFile(const char* targetPath)
    : m_temporary(std::make_unique<TemporaryFile>(targetPath)) {
  if (m_temporary->made())
    m_file = std::make_unique<ScopedFileHandle>(CreateForWriting(m_temporary->path()));
}

StreamedTargetFile::~StreamedTargetFile() = default;

bool StreamedTargetFile::Append(const Bytes& piece) {
  m_failed = m_failed || !m_file || !m_file->valid() || !WriteBytes(m_file->get(), piece);
  return !m_failed;
}

long StreamedTargetFile::Commit() {
  if (m_failed || !m_file || !m_file->valid()) return RASTRA_ERROR_TARGET_UNWRITABLE;
  m_file.reset();  // closed before it is renamed
  if (!m_temporary->MoveOver()) return RASTRA_ERROR_TARGET_NOT_REPLACED;
  return RASTRA_OK;
}
