#include "port_job.h"

namespace {

// An open port; it takes data only between the start and the end of a document.
struct PortJob {
  bool inDocument = false;
};

PortJob* JobOf(HANDLE port) { return static_cast<PortJob*>(port); }

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace

BOOL OpenPortJob(PortMonitor& monitor, const std::u16string& name, PHANDLE handle) {
  if (handle == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  if (!monitor.HasPort(name)) return Fail(ERROR_UNKNOWN_PORT);
  *handle = new PortJob;
  return TRUE;
}

BOOL StartPortDocument(HANDLE port) {
  if (port == nullptr) return Fail(ERROR_INVALID_HANDLE);
  JobOf(port)->inDocument = true;
  return TRUE;
}

BOOL WINAPI WritePortDiscarding(HANDLE port, LPBYTE, DWORD size, LPDWORD written) {
  if (port == nullptr || written == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  *written = 0;
  if (!JobOf(port)->inDocument) return Fail(ERROR_INVALID_HANDLE);
  *written = size;
  return TRUE;
}

BOOL WINAPI EndPortDocument(HANDLE port) {
  if (port == nullptr) return Fail(ERROR_INVALID_HANDLE);
  JobOf(port)->inDocument = false;
  return TRUE;
}

BOOL WINAPI ClosePortJob(HANDLE port) {
  if (port == nullptr) return Fail(ERROR_INVALID_HANDLE);
  delete JobOf(port);
  return TRUE;
}
