#include "installer_state.h"

#include <vector>

#include "ansi_code_page.h"
#include "dbcs_text.h"
#include "setup_resource.h"
#include "windows_family.h"

namespace {

constexpr int kCaptionCapacity = 255;
constexpr int kMonitorNameCapacity = 63;

}  // namespace

std::string LoadResourceString(HINSTANCE instance, UINT id, int capacity) {
  // LoadStringA may cut by bytes: one byte more than the capacity shows the character that
  // straddles its end whole, and the cut is then made before it.
  std::vector<char> buffer(static_cast<std::size_t>(capacity) + 1, '\0');
  const int length = LoadStringA(instance, id, buffer.data(), capacity + 1);
  const std::string text(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
  return CutAtCharacter(text, static_cast<std::size_t>(capacity) - 1, AnsiLeadBytes());
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
