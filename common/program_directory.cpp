#include "program_directory.h"

#include <windows.h>

#include "path_parts.h"

std::string ProgramDirectory() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  const PathParts parts = SplitPath(std::string(path, length));
  return parts.drive + parts.directory;
}
