// The entries of plinthxp.dll, the port monitor of the NT family: InitializePrintMonitor2
// for 2000 and later, InitializePrintMonitor for NT 4.0. Both hand out the same monitor.
#include <cstddef>
#include <memory>
#include <string>

#include <windows.h>
#include <winspool.h>
#include <winsplp.h>

#include "ansi_text.h"
#include "nt_versions.h"
#include "port_enumeration.h"
#include "port_job.h"
#include "port_monitor.h"
#include "setup_texts.h"
#include "spooler_registry.h"
#include "windows_family.h"

namespace {

std::unique_ptr<PortMonitor> g_monitor;

std::u16string Text(LPCWSTR text) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}

BOOL Result(DWORD error) {
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

PortMonitor& MonitorOf(HANDLE monitor) { return *static_cast<PortMonitor*>(monitor); }

// The MONITOR2 calls; the spooler passes the handle InitializePrintMonitor2 gave it.
BOOL WINAPI EnumPorts2(HANDLE monitor, LPWSTR, DWORD level, LPBYTE ports, DWORD size, LPDWORD needed,
                       LPDWORD returned) {
  return EnumPortsWide(MonitorOf(monitor), level, ports, size, needed, returned);
}

BOOL WINAPI OpenPort2(HANDLE monitor, LPWSTR name, PHANDLE port) {
  return OpenPortJob(MonitorOf(monitor), Text(name), port);
}

BOOL WINAPI StartDocPortWide(HANDLE port, LPWSTR, DWORD, DWORD, LPBYTE) { return StartPortDocument(port); }

BOOL WINAPI AddPort2(HANDLE monitor, LPWSTR, HWND, LPWSTR) { return Result(MonitorOf(monitor).AddQuillorPort()); }

// There is nothing to set on the port; a port of another monitor is refused.
BOOL WINAPI ConfigurePort2(HANDLE monitor, LPWSTR, HWND, LPWSTR port) {
  return Result(MonitorOf(monitor).HasPort(Text(port)) ? ERROR_SUCCESS : ERROR_UNKNOWN_PORT);
}

BOOL WINAPI DeletePort2(HANDLE monitor, LPWSTR, HWND, LPWSTR port) {
  return Result(MonitorOf(monitor).DeletePort(Text(port)));
}

VOID WINAPI Shutdown2(HANDLE monitor) {
  if (g_monitor.get() == monitor) g_monitor.reset();
}

// The MONITOR calls of NT 4.0, on the one monitor of the DLL.
BOOL WINAPI EnumPorts1(LPWSTR, DWORD level, LPBYTE ports, DWORD size, LPDWORD needed, LPDWORD returned) {
  return EnumPortsWide(*g_monitor, level, ports, size, needed, returned);
}

BOOL WINAPI OpenPort1(LPWSTR name, PHANDLE port) { return OpenPortJob(*g_monitor, Text(name), port); }

BOOL WINAPI AddPort1(LPWSTR server, HWND window, LPWSTR monitorName) {
  return AddPort2(g_monitor.get(), server, window, monitorName);
}

BOOL WINAPI ConfigurePort1(LPWSTR server, HWND window, LPWSTR port) {
  return ConfigurePort2(g_monitor.get(), server, window, port);
}

BOOL WINAPI DeletePort1(LPWSTR server, HWND window, LPWSTR port) {
  return DeletePort2(g_monitor.get(), server, window, port);
}

// MONITOR2 grew after 2000: its spooler takes only the fields up to Shutdown.
DWORD Monitor2Size() {
  return IsWin2000(CurrentVersionWord()) ? MONITOR2_SIZE_WIN2K : sizeof(MONITOR2);
}

}  // namespace

extern "C" __declspec(dllexport) LPMONITOR2 WINAPI InitializePrintMonitor2(PMONITORINIT init, PHANDLE monitor) {
  static MONITOR2 calls;
  if (init == nullptr || monitor == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  g_monitor = std::make_unique<PortMonitor>(SpoolerRegistry(*init, kMonitorKey));
  calls = MONITOR2{};
  calls.cbSize = Monitor2Size();
  calls.pfnEnumPorts = EnumPorts2;
  calls.pfnOpenPort = OpenPort2;
  calls.pfnStartDocPort = StartDocPortWide;
  calls.pfnWritePort = WritePortDiscarding;
  calls.pfnEndDocPort = EndPortDocument;
  calls.pfnClosePort = ClosePortJob;
  calls.pfnAddPort = AddPort2;
  calls.pfnConfigurePort = ConfigurePort2;
  calls.pfnDeletePort = DeletePort2;
  calls.pfnShutdown = Shutdown2;
  *monitor = g_monitor.get();
  return &calls;
}

extern "C" __declspec(dllexport) LPMONITOREX WINAPI InitializePrintMonitor(LPWSTR registryRoot) {
  static MONITOREX calls;
  if (registryRoot == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  g_monitor = std::make_unique<PortMonitor>(MachineKeyRegistry(ToAnsi(Text(registryRoot))));
  calls = MONITOREX{};
  // NT 4.0's MONITOR ends before the calls that 2000 added.
  calls.dwMonitorSize = offsetof(MONITOR, pfnXcvOpenPort);
  calls.Monitor.pfnEnumPorts = EnumPorts1;
  calls.Monitor.pfnOpenPort = OpenPort1;
  calls.Monitor.pfnStartDocPort = StartDocPortWide;
  calls.Monitor.pfnWritePort = WritePortDiscarding;
  calls.Monitor.pfnEndDocPort = EndPortDocument;
  calls.Monitor.pfnClosePort = ClosePortJob;
  calls.Monitor.pfnAddPort = AddPort1;
  calls.Monitor.pfnConfigurePort = ConfigurePort1;
  calls.Monitor.pfnDeletePort = DeletePort1;
  return &calls;
}
