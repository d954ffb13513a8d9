#include "setup_error.h"

#include <string>

#include "formatted_text.h"
#include "message_box.h"

namespace {

constexpr int kMessageCapacity = 255;

// The system's text for an error code; empty when it has none.
std::string SystemErrorText(DWORD error) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error,
      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result;
  if (text != nullptr) {
    result.assign(text, length);
    LocalFree(text);
  }
  return result;
}

}  // namespace

int ShowSetupError(const InstallerState& state, UINT messageId) {
  if (state.quiet) return 1;
  const DWORD error = GetLastError();
  const std::string format = LoadResourceString(state.instance, messageId, kMessageCapacity);
  std::string message = FormatText(format.c_str(), static_cast<int>(error));
  if (error != 0) {
    const std::string systemText = SystemErrorText(error);
    if (!systemText.empty()) message += "\n" + systemText;
  }
  ShowMessageBox(nullptr, message.c_str(), state.caption.c_str(), MB_OK);
  return 1;
}
