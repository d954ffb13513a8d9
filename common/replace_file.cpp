#include "replace_file.h"

#include "ansi_code_page.h"
#include "exported_function.h"
#include "path_parts.h"

namespace {

constexpr char kTemporaryPrefix[] = "qtm";

std::string FolderOf(const std::string& path) {
  const PathParts parts = SplitPath(path, AnsiLeadBytes());
  const std::string folder = parts.drive + parts.directory;
  return folder.empty() ? std::string(".") : folder;
}

// A free name in `target`'s folder; the placeholder file made to reserve it is removed,
// since MoveFileA will not move onto an existing file.
bool FreeNameBeside(const char* target, std::string& name) {
  char reserved[MAX_PATH];
  if (!GetTempFileNameA(FolderOf(target).c_str(), kTemporaryPrefix, 0, reserved)) return false;
  DeleteFileA(reserved);
  name = reserved;
  return true;
}

}  // namespace

BOOL WINAPI MoveFileExWhereExported(LPCSTR existing, LPCSTR replacement, DWORD flags) {
  const auto moveFileEx = ExportedFunction<MoveFileExFunction>("KERNEL32.DLL", "MoveFileExA");
  if (moveFileEx == nullptr) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
  }
  return moveFileEx(existing, replacement, flags);
}

bool MoveOverTarget(const char* from, const char* to, MoveFileExFunction moveFileEx) {
  if (moveFileEx(from, to, MOVEFILE_REPLACE_EXISTING)) return true;
  if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return false;
  if (GetFileAttributesA(to) == INVALID_FILE_ATTRIBUTES) return MoveFileA(from, to) != FALSE;
  std::string aside;
  if (!FreeNameBeside(to, aside) || !MoveFileA(to, aside.c_str())) return false;
  if (!MoveFileA(from, to)) {
    MoveFileA(aside.c_str(), to);
    return false;
  }
  DeleteFileA(aside.c_str());
  return true;
}

TemporaryFile::TemporaryFile(const std::string& target) : m_target(target) {
  char name[MAX_PATH];
  if (GetTempFileNameA(FolderOf(target).c_str(), kTemporaryPrefix, 0, name)) m_path = name;
}

TemporaryFile::~TemporaryFile() {
  if (!m_path.empty()) DeleteFileA(m_path.c_str());
}

bool TemporaryFile::MoveOver(MoveFileExFunction moveFileEx) {
  if (m_path.empty() || !MoveOverTarget(m_path.c_str(), m_target.c_str(), moveFileEx)) return false;
  m_path.clear();
  return true;
}
