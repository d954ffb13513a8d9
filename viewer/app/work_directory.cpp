#include "work_directory.h"

#include <windows.h>

#include "ansi_code_page.h"
#include "app_names.h"
#include "path_parts.h"

namespace {

constexpr char kProbePrefix[] = "fol";

}  // namespace

std::string PerUserWorkDirectoryPath(const std::string& temporaryDirectory) {
  std::string path;
  if (temporaryDirectory.empty() ||
      !JoinPath(temporaryDirectory, kPerUserWorkDirectoryName, path, AnsiLeadBytes()))
    return std::string();
  return path;
}

bool IsUsableWorkDirectory(const std::string& directory) {
  if (directory.empty()) return false;
  // An existing folder is fine; a file of that name or a read-only parent fails below.
  CreateDirectoryA(directory.c_str(), nullptr);
  const DWORD attributes = GetFileAttributesA(directory.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return false;
  // Only writing a file shows a read-only share or a folder the user may not write in.
  char probe[MAX_PATH];
  if (!GetTempFileNameA(directory.c_str(), kProbePrefix, 0, probe)) return false;
  DeleteFileA(probe);
  return true;
}

std::string ChooseWorkDirectory(const std::string& besideProgram, const std::string& perUser) {
  if (IsUsableWorkDirectory(besideProgram)) return besideProgram;
  if (IsUsableWorkDirectory(perUser)) return perUser;
  return std::string();
}
