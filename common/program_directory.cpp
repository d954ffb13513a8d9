#include "program_directory.h"

#include <windows.h>

#include "path_parts.h"
#include "ansi_code_page.h"

std::string ProgramPath() {
  char buffer[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string ProgramDirectory() {
  const std::string path = ProgramPath();
  if (path.empty()) return std::string();
  const PathParts parts = SplitPath(path, AnsiLeadBytes());
  return parts.drive + parts.directory;
}
