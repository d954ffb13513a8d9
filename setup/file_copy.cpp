#include "file_copy.h"

#include <windows.h>

#include "path_parts.h"
#include "setup_calls.h"

bool CopyFileOver(const std::string& source, const std::string& target) {
  if (!FitsPathBuffer(source) || !FitsPathBuffer(target)) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return false;
  }
  return Calls().copyFile(source.c_str(), target.c_str(), FALSE) != FALSE;
}
