// Stands in for the port monitor that setup registers: enough of a monitor for the spooler
// to load it, list no ports, and add a port by creating the port's key, as the real one does.
#include <windows.h>
#include <winspool.h>
#include <winsplp.h>

namespace {

constexpr wchar_t kPortKey[] = L"System\\CurrentControlSet\\control\\Print\\Monitors\\Quillor\\Ports\\Quillor1:";

BOOL WINAPI EnumNoPorts(HANDLE, LPWSTR, DWORD, LPBYTE, DWORD, LPDWORD needed, LPDWORD returned) {
  *needed = 0;
  *returned = 0;
  return TRUE;
}

BOOL WINAPI AddQuillorPort(HANDLE, LPWSTR, HWND, LPWSTR) {
  HKEY key = nullptr;
  if (RegCreateKeyW(HKEY_LOCAL_MACHINE, kPortKey, &key) != ERROR_SUCCESS) return FALSE;
  RegCloseKey(key);
  return TRUE;
}

VOID WINAPI Shutdown(HANDLE) {}

}  // namespace

extern "C" __declspec(dllexport) LPMONITOR2 WINAPI InitializePrintMonitor2(PMONITORINIT, PHANDLE monitor) {
  static MONITOR2 functions = {};
  functions.cbSize = sizeof(functions);
  functions.pfnEnumPorts = EnumNoPorts;
  functions.pfnAddPort = AddQuillorPort;
  functions.pfnShutdown = Shutdown;
  *monitor = &functions;
  return &functions;
}
