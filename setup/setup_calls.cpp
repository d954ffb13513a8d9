#include "setup_calls.h"

namespace {

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
      &::RegQueryValueExW,
      &::RegSetValueExW,
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
