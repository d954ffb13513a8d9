#include "setup_calls.h"

#include "exported_function.h"

namespace {

// The wide registry calls are looked up at run time: Windows 95's advapi32 may lack them, and
// an import would keep the installer from starting there. Pending renames exist only on NT.
template <typename Function>
Function AdvapiEntry(const char* name) {
  return ExportedFunction<Function>("ADVAPI32.DLL", name);
}

LONG WINAPI RegQueryValueExWWhereExported(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type,
                                          LPBYTE data, LPDWORD size) {
  const auto query = AdvapiEntry<decltype(&::RegQueryValueExW)>("RegQueryValueExW");
  return query ? query(key, name, reserved, type, data, size) : ERROR_CALL_NOT_IMPLEMENTED;
}

LONG WINAPI RegSetValueExWWhereExported(HKEY key, LPCWSTR name, DWORD reserved, DWORD type,
                                        const BYTE* data, DWORD size) {
  const auto set = AdvapiEntry<decltype(&::RegSetValueExW)>("RegSetValueExW");
  return set ? set(key, name, reserved, type, data, size) : ERROR_CALL_NOT_IMPLEMENTED;
}

SetupCalls g_calls = SystemSetupCalls();

}  // namespace

SetupCalls SystemSetupCalls() {
  return SetupCalls{
      &::EnumMonitorsA,
      &::AddMonitorA,
      &::AddPortA,
      &::GetPrinterDriverDirectoryA,
      &::AddPrinterDriverA,
      &::GetPrintProcessorDirectoryA,
      &::AddPrintProcessorA,
      &::AddPrinterA,
      &::ClosePrinter,
      &::RegOpenKeyExA,
      &::RegCreateKeyA,
      &::RegSetValueExA,
      RegQueryValueExWWhereExported,
      RegSetValueExWWhereExported,
      &::RegCloseKey,
      &::GetSystemDirectoryA,
      &::GetWindowsDirectoryA,
      &::CopyFileA,
      &::GetPrivateProfileStringA,
      &::WritePrivateProfileStringA,
      &::CreateProcessA,
      &::WaitForSingleObject,
      &::GetExitCodeProcess,
      &::CloseHandle,
      &::LoadLibraryA,
      &::GetProcAddress,
      &::FreeLibrary,
  };
}

const SetupCalls& Calls() { return g_calls; }

SetupCalls SetSetupCalls(const SetupCalls& calls) {
  SetupCalls previous = g_calls;
  g_calls = calls;
  return previous;
}
