#include "target_file.h"

#include "path_parts.h"
#include "rastra.h"
#include "scoped_handle.h"

#include <algorithm>
#include <string>

namespace {

constexpr char kTemporaryPrefix[] = "rst";

}  // namespace

// Deletes the temporary file unless the image has been moved into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : m_path(std::move(path)) {}
  ~TemporaryFile() {
    if (!m_kept) DeleteFileA(m_path.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const char* path() const { return m_path.c_str(); }
  void Keep() { m_kept = true; }

 private:
  std::string m_path;
  bool m_kept = false;
};

namespace {

std::string FolderOf(const char* path) {
  const PathParts parts = SplitPath(path);
  const std::string folder = parts.drive + parts.directory;
  return folder.empty() ? std::string(".") : folder;
}

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

BOOL WINAPI MoveFileExWhereExported(LPCSTR existing, LPCSTR replacement, DWORD flags) {
  const HMODULE kernel = GetModuleHandleA("KERNEL32.DLL");
  const FARPROC entry = kernel ? GetProcAddress(kernel, "MoveFileExA") : nullptr;
  if (entry == nullptr) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
  }
  return reinterpret_cast<MoveFileExFunction>(reinterpret_cast<void*>(entry))(existing, replacement,
                                                                               flags);
}

bool MoveOverTarget(const char* from, const char* to, MoveFileExFunction moveFileEx) {
  if (moveFileEx(from, to, MOVEFILE_REPLACE_EXISTING)) return true;
  if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
  DeleteFileA(to);  // may not exist yet
  return MoveFileA(from, to) != FALSE;
}

long WriteTargetFile(const char* targetPath, const Bytes& contents) {
  char temporaryName[MAX_PATH];
  if (!GetTempFileNameA(FolderOf(targetPath).c_str(), kTemporaryPrefix, 0, temporaryName)) {
    return RASTRA_ERROR_TARGET_UNWRITABLE;
  }
  TemporaryFile temporary(temporaryName);
  if (!WriteAll(temporary.path(), contents)) return RASTRA_ERROR_TARGET_UNWRITABLE;
  if (!MoveOverTarget(temporary.path(), targetPath)) return RASTRA_ERROR_TARGET_NOT_REPLACED;
  temporary.Keep();
  return RASTRA_OK;
}

StreamedTargetFile::StreamedTargetFile(const char* targetPath) : m_target(targetPath) {
  char temporaryName[MAX_PATH];
  if (!GetTempFileNameA(FolderOf(targetPath).c_str(), kTemporaryPrefix, 0, temporaryName)) return;
  m_temporary = std::make_unique<TemporaryFile>(temporaryName);
  m_file = std::make_unique<ScopedFileHandle>(CreateForWriting(temporaryName));
}

StreamedTargetFile::~StreamedTargetFile() = default;

bool StreamedTargetFile::Append(const Bytes& piece) {
  m_failed = m_failed || !m_file || !m_file->valid() || !WriteBytes(m_file->get(), piece);
  return !m_failed;
}

long StreamedTargetFile::Commit() {
  if (m_failed || !m_file || !m_file->valid()) return RASTRA_ERROR_TARGET_UNWRITABLE;
  m_file.reset();  // closed before it is renamed
  if (!MoveOverTarget(m_temporary->path(), m_target.c_str())) return RASTRA_ERROR_TARGET_NOT_REPLACED;
  m_temporary->Keep();
  return RASTRA_OK;
}
