#include "program_directory.h"

#include <windows.h>

#include "ansi_code_page.h"
#include "path_parts.h"

std::string ProgramPath() {
  // GetModuleFileNameA may cut a double-byte path short at a character boundary and report
  // success (Wine does): a buffer twice the size shows such a path whole, and it is refused.
  char buffer[2 * MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  const std::string path(buffer, length < sizeof buffer ? length : 0);
  return FitsPathBuffer(path) ? path : std::string();
}

std::string ProgramDirectory() {
  const std::string path = ProgramPath();
  if (path.empty()) return std::string();
  const PathParts parts = SplitPath(path, AnsiLeadBytes());
  return parts.drive + parts.directory;
}
