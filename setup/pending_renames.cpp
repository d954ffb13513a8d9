#include "pending_renames.h"

#include <algorithm>

#include "registry_key.h"
#include "setup_calls.h"
#include "setup_texts.h"

namespace {

constexpr UINT kWindowsDirectoryCapacity = 256;

// Index of the first NUL at or after `from`, or the data's size when there is none.
std::size_t EndOfString(const std::vector<BYTE>& value, std::size_t from) {
  const auto end = std::find(value.begin() + static_cast<std::ptrdiff_t>(from), value.end(), 0);
  return static_cast<std::size_t>(end - value.begin());
}

void CancelInRegistry(const std::string& path) {
  SetupRegKey key;
  if (!OpenMachineKey(kSessionManagerKey, key)) return;
  std::vector<BYTE> value(kWorkBufferSize);
  DWORD type = 0;
  DWORD size = kWorkBufferSize;
  if (Calls().regQueryValueEx(key.get(), kPendingRenamesValue, nullptr, &type, value.data(), &size) !=
      ERROR_SUCCESS) {
    return;
  }
  value.resize(std::min(size, kWorkBufferSize));
  RemoveRenamePairs(value, path);
  Calls().regSetValueEx(key.get(), kPendingRenamesValue, 0, type, value.data(),
                        static_cast<DWORD>(value.size()));
}

void CancelInWininit(const std::string& path) {
  char windowsDirectory[kWindowsDirectoryCapacity] = "";
  const UINT length = Calls().getWindowsDirectory(windowsDirectory, kWindowsDirectoryCapacity);
  if (length == 0 || length >= kWindowsDirectoryCapacity) return;
  const std::string wininit = std::string(windowsDirectory, length) + kWininitFile;
  std::vector<char> pending(kWorkBufferSize, '\0');
  Calls().getPrivateProfileString(kWininitRenameSection, kWininitDeleteKey, "", pending.data(),
                                  kWorkBufferSize, wininit.c_str());
  if (path == pending.data()) {
    Calls().writePrivateProfileString(kWininitRenameSection, kWininitDeleteKey, nullptr, wininit.c_str());
  }
}

}  // namespace

void RemoveRenamePairs(std::vector<BYTE>& value, const std::string& source) {
  std::size_t pair = 0;
  while (pair < value.size() && value[pair] != 0) {
    const std::size_t sourceEnd = EndOfString(value, pair);
    if (sourceEnd == value.size()) return;
    const std::size_t pairEnd = std::min(EndOfString(value, sourceEnd + 1) + 1, value.size());
    const bool matches = source.size() == sourceEnd - pair &&
                         std::equal(source.begin(), source.end(), value.begin() + static_cast<std::ptrdiff_t>(pair));
    if (matches) {
      value.erase(value.begin() + static_cast<std::ptrdiff_t>(pair),
                  value.begin() + static_cast<std::ptrdiff_t>(pairEnd));
    } else {
      pair = pairEnd;
    }
  }
}

void CancelPendingDeletion(bool isNt, const std::string& path) {
  if (isNt) {
    CancelInRegistry(path);
  } else {
    CancelInWininit(path);
    // A missing wininit.ini must not show up in a later report.
    SetLastError(0);
  }
}
