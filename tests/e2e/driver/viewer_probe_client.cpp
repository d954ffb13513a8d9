#include "viewer_probe_client.h"

#include "probe_request.h"

namespace {

constexpr DWORD kReadTimeoutMs = 15000;

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::string ProbePath() {
  char path[MAX_PATH] = "";
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return "";
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of('\\') + 1) + kProbeLibrary;
}

}  // namespace

ViewerProbe::ViewerProbe(HWND viewerWindow) : m_library(ProcessOf(viewerWindow), ProbePath()) {}

bool ViewerProbe::Read(const char* reader, HWND window, std::string& lines) {
  ProbeRequest request = {};
  request.window = window;
  if (!m_library.Call(reader, &request, sizeof request, kReadTimeoutMs)) return false;
  lines = request.text;
  return true;
}
