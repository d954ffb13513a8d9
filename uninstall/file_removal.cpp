#include "file_removal.h"

#include <fstream>
#include <iterator>

#include "ansi_code_page.h"
#include "path_parts.h"
#include "replace_file.h"
#include "setup_texts.h"
#include "uninstall_calls.h"
#include "wininit_deletion.h"

namespace {

constexpr UINT kWindowsDirectoryCapacity = 256;

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

DWORD LastErrorOr(DWORD fallback) {
  const DWORD error = GetLastError();
  return error != ERROR_SUCCESS ? error : fallback;
}

// Every file the uninstaller removes on 9x lies in the system folder under a DOS name, so
// its path serves wininit.ini as it is.
DWORD DeleteThroughWininit(const std::string& path) {
  char windowsDirectory[kWindowsDirectoryCapacity] = "";
  const UINT length = RemovalCalls().getWindowsDirectory(windowsDirectory, kWindowsDirectoryCapacity);
  std::string wininit;
  if (length == 0 || length >= kWindowsDirectoryCapacity ||
      !JoinPath(std::string(windowsDirectory, length), kWininitFile, wininit, AnsiLeadBytes())) {
    return ERROR_PATH_NOT_FOUND;
  }
  // The system may hold the file's sections in its profile cache: written out first, they are
  // not lost when the file is replaced.
  RemovalCalls().writePrivateProfileString(nullptr, nullptr, nullptr, wininit.c_str());
  std::ifstream old(wininit, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(old)), std::istreambuf_iterator<char>());
  old.close();
  TemporaryFile replacement(wininit);
  if (!replacement.made()) return LastErrorOr(ERROR_CANNOT_MAKE);
  {
    std::ofstream written(replacement.path(), std::ios::binary | std::ios::trunc);
    written << WithWininitDeletion(text, path);
    if (!written.flush()) return ERROR_WRITE_FAULT;
  }
  return replacement.MoveOver() ? ERROR_SUCCESS : LastErrorOr(ERROR_WRITE_FAULT);
}

DWORD DeleteAtRestart(const std::string& path, bool isNt) {
  if (!isNt) return DeleteThroughWininit(path);
  return RemovalCalls().moveFileEx(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? ERROR_SUCCESS
                                                                                         : LastErrorOr(ERROR_ACCESS_DENIED);
}

}  // namespace

DWORD RemoveFileNowOrAtRestart(const std::string& path, bool isNt, bool isRunningProgram) {
  if (!isRunningProgram) {
    if (RemovalCalls().deleteFile(path.c_str())) return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    if (IsMissing(error)) return ERROR_SUCCESS;
  }
  return DeleteAtRestart(path, isNt);
}
