#include "pending_renames.h"

#include <algorithm>

#include "ansi_code_page.h"
#include "path_parts.h"
#include "pending_rename_walk.h"
#include "registry_key.h"
#include "setup_calls.h"
#include "setup_texts.h"

namespace {

constexpr UINT kWindowsDirectoryCapacity = 256;

// The uninstaller's path in the system's characters, as the entries name it: a plain path,
// or with the prefix the system's rename calls write.
std::vector<std::u16string> UninstallerForms(const std::string& path) {
  const int units = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (units <= 1) return {};
  std::vector<wchar_t> wide(static_cast<std::size_t>(units));
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), units);
  const std::u16string plain(wide.begin(), wide.end() - 1);
  return {plain, kNtPathPrefix + plain};
}

// The value is written back only when a pair was removed, and then byte for byte as read
// apart from that pair: other programs' renames must survive the installer untouched.
void CancelInRegistry(const std::string& path) {
  SetupRegKey key;
  if (!OpenMachineKey(kSessionManagerKey, key)) return;
  DWORD type = 0;
  DWORD size = 0;
  if (Calls().regQueryValueExW(key.get(), kPendingRenamesValue, nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      size == 0) {
    return;
  }
  std::vector<BYTE> value(size);
  if (Calls().regQueryValueExW(key.get(), kPendingRenamesValue, nullptr, &type, value.data(), &size) !=
      ERROR_SUCCESS) {
    return;
  }
  value.resize(std::min<std::size_t>(size, value.size()));
  if (!RemoveRenamePairs(value, UninstallerForms(path))) return;
  Calls().regSetValueExW(key.get(), kPendingRenamesValue, 0, type, value.data(),
                         static_cast<DWORD>(value.size()));
}

void CancelInWininit(const std::string& path) {
  char windowsDirectory[kWindowsDirectoryCapacity] = "";
  const UINT length = Calls().getWindowsDirectory(windowsDirectory, kWindowsDirectoryCapacity);
  std::string wininit;
  if (length == 0 || length >= kWindowsDirectoryCapacity ||
      !JoinPath(std::string(windowsDirectory, length), kWininitFile, wininit, AnsiLeadBytes())) {
    return;
  }
  std::vector<char> pending(kWorkBufferSize, '\0');
  Calls().getPrivateProfileString(kWininitRenameSection, kWininitDeleteKey, "", pending.data(),
                                  kWorkBufferSize, wininit.c_str());
  if (path == pending.data()) {
    Calls().writePrivateProfileString(kWininitRenameSection, kWininitDeleteKey, nullptr, wininit.c_str());
  }
}

}  // namespace

void CancelPendingDeletion(bool isNt, const std::string& path) {
  if (isNt) {
    CancelInRegistry(path);
  } else {
    CancelInWininit(path);
    // A missing wininit.ini must not show up in a later report.
    SetLastError(0);
  }
}
