#include "installer_state.h"

#include <vector>

#include "setup_resource.h"
#include "windows_family.h"

namespace {

constexpr int kCaptionCapacity = 255;
constexpr int kMonitorNameCapacity = 63;

}  // namespace

std::string LoadResourceString(HINSTANCE instance, UINT id, int capacity) {
  std::vector<char> buffer(static_cast<std::size_t>(capacity), '\0');
  const int length = LoadStringA(instance, id, buffer.data(), capacity);
  return std::string(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

InstallerState LoadInstallerState(HINSTANCE instance, const char* commandLine) {
  InstallerState state;
  state.instance = instance;
  state.isNt = IsWinNT(CurrentVersionWord());
  state.quiet = commandLine != nullptr && commandLine[0] != '\0';
  state.caption = LoadResourceString(instance, IDS_CAPTION, kCaptionCapacity);
  state.monitorName = LoadResourceString(instance, IDS_MONITOR_NAME, kMonitorNameCapacity);
  return state;
}
