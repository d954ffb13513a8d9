#pragma once

#include <windows.h>

#include <string>

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR existing, LPCSTR replacement, DWORD flags);

// MoveFileExA found at run time: the first Windows 95 may not export it, and an import
// would keep a program from starting there. Fails with ERROR_CALL_NOT_IMPLEMENTED when it
// is missing, as the 9x family's stub does.
BOOL WINAPI MoveFileExWhereExported(LPCSTR existing, LPCSTR replacement, DWORD flags);

// Moves `from` over `to`, replacing it. Where MoveFileExA is only a stub (the 9x family),
// the old `to` is renamed aside first and deleted only once the new file is in place; a
// failed move puts it back, so `to` is never lost. The mover is replaceable for tests.
bool MoveOverTarget(const char* from, const char* to, MoveFileExFunction moveFileEx = MoveFileExWhereExported);

// A new, empty file of a unique name in the folder of a target it will replace (the same
// volume, so the final rename cannot fail for lack of room). It is deleted when the holder
// goes, unless MoveOver has put it in the target's place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target);
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  // False when no file could be made in the target's folder.
  bool made() const { return !m_path.empty(); }
  const char* path() const { return m_path.c_str(); }
  // Replaces the target with the file; false leaves the target as it was.
  bool MoveOver(MoveFileExFunction moveFileEx = MoveFileExWhereExported);

 private:
  std::string m_target;
  std::string m_path;
};
