#include "file_removal.h"

#include "ansi_code_page.h"
#include "path_parts.h"
#include "replace_file.h"
#include "scoped_handle.h"
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

// The whole file; empty when there is none.
std::string ReadWholeFile(const std::string& path) {
  ScopedFileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  std::string text;
  if (!file.valid()) return text;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) text.append(chunk, read);
  return text;
}

bool WriteWholeFile(const char* path, const std::string& text) {
  ScopedFileHandle file(
      CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file.valid() && WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
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
  const std::string text = ReadWholeFile(wininit);
  TemporaryFile replacement(wininit);
  if (!replacement.made()) return LastErrorOr(ERROR_CANNOT_MAKE);
  if (!WriteWholeFile(replacement.path(), WithWininitDeletion(text, path))) return LastErrorOr(ERROR_WRITE_FAULT);
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
