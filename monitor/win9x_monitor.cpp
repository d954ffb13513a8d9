// The entry of plinth98.dll, the port monitor of the 9x family: InitializeMonitorEx fills
// the 9x spooler's MONITOR table, whose calls take ANSI texts and have no AddPortEx.
#include <memory>
#include <string>

#include <windows.h>

#include "ansi_text.h"
#include "port_enumeration.h"
#include "port_job.h"
#include "port_monitor.h"

namespace {

// The table as the 9x spooler lays it out.
struct Monitor9x {
  BOOL(WINAPI* pfnEnumPorts)(LPSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);
  BOOL(WINAPI* pfnOpenPort)(LPSTR, PHANDLE);
  BOOL(WINAPI* pfnOpenPortEx)(LPSTR, LPSTR, PHANDLE, Monitor9x*);
  BOOL(WINAPI* pfnStartDocPort)(HANDLE, LPSTR, DWORD, DWORD, LPBYTE);
  BOOL(WINAPI* pfnWritePort)(HANDLE, LPBYTE, DWORD, LPDWORD);
  BOOL(WINAPI* pfnReadPort)(HANDLE, LPBYTE, DWORD, LPDWORD);
  BOOL(WINAPI* pfnEndDocPort)(HANDLE);
  BOOL(WINAPI* pfnClosePort)(HANDLE);
  BOOL(WINAPI* pfnAddPort)(LPSTR, HWND, LPSTR);
  BOOL(WINAPI* pfnConfigurePort)(LPSTR, HWND, LPSTR);
  BOOL(WINAPI* pfnDeletePort)(LPSTR, HWND, LPSTR);
  BOOL(WINAPI* pfnGetPrinterDataFromPort)(HANDLE, DWORD, LPSTR, LPSTR, DWORD, LPSTR, DWORD, LPDWORD);
  BOOL(WINAPI* pfnSetPortTimeOuts)(HANDLE, LPCOMMTIMEOUTS, DWORD);
};

std::unique_ptr<PortMonitor> g_monitor;

std::u16string Text(LPCSTR text) { return text ? FromAnsi(text) : std::u16string(); }

BOOL Result(DWORD error) {
  SetLastError(error);
  return error == ERROR_SUCCESS;
}

BOOL WINAPI EnumPortsAnsiCall(LPSTR, DWORD level, LPBYTE ports, DWORD size, LPDWORD needed, LPDWORD returned) {
  return EnumPortsAnsi(*g_monitor, level, ports, size, needed, returned);
}

BOOL WINAPI OpenPortAnsi(LPSTR name, PHANDLE port) { return OpenPortJob(*g_monitor, Text(name), port); }

BOOL WINAPI StartDocPortAnsi(HANDLE port, LPSTR, DWORD, DWORD, LPBYTE) { return StartPortDocument(port); }

BOOL WINAPI AddPortAnsi(LPSTR, HWND, LPSTR) { return Result(g_monitor->AddQuillorPort()); }

// There is nothing to set on the port; a port of another monitor is refused.
BOOL WINAPI ConfigurePortAnsi(LPSTR, HWND, LPSTR port) {
  return Result(g_monitor->HasPort(Text(port)) ? ERROR_SUCCESS : ERROR_UNKNOWN_PORT);
}

BOOL WINAPI DeletePortAnsi(LPSTR, HWND, LPSTR port) { return Result(g_monitor->DeletePort(Text(port))); }

}  // namespace

extern "C" __declspec(dllexport) BOOL WINAPI InitializeMonitorEx(LPSTR registryRoot, Monitor9x* calls) {
  if (registryRoot == nullptr || calls == nullptr) return Result(ERROR_INVALID_PARAMETER);
  g_monitor = std::make_unique<PortMonitor>(MachineKeyRegistry(registryRoot));
  *calls = Monitor9x{};
  calls->pfnEnumPorts = EnumPortsAnsiCall;
  calls->pfnOpenPort = OpenPortAnsi;
  calls->pfnStartDocPort = StartDocPortAnsi;
  calls->pfnWritePort = WritePortDiscarding;
  calls->pfnEndDocPort = EndPortDocument;
  calls->pfnClosePort = ClosePortJob;
  calls->pfnAddPort = AddPortAnsi;
  calls->pfnConfigurePort = ConfigurePortAnsi;
  calls->pfnDeletePort = DeletePortAnsi;
  return TRUE;
}
