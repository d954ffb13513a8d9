#include "uninstall_calls.h"

#include "exported_function.h"
#include "replace_file.h"

namespace {

BOOL NotThere() {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI DeletePrintProcessorWhereExported(LPSTR server, LPSTR environment, LPSTR name) {
  const auto remove = ExportedFunction<decltype(&::DeletePrintProcessorA)>("WINSPOOL.DRV", "DeletePrintProcessorA");
  return remove ? remove(server, environment, name) : NotThere();
}

UninstallCalls g_calls = SystemUninstallCalls();

}  // namespace

UninstallCalls SystemUninstallCalls() {
  return UninstallCalls{
      &::OpenPrinterA,
      &::SetPrinterA,
      &::DeletePrinter,
      &::ClosePrinter,
      &::DeletePrinterDriverA,
      DeletePrintProcessorWhereExported,
      &::DeletePortA,
      &::DeleteMonitorA,
      &::GetPrinterDriverDirectoryA,
      &::GetPrintProcessorDirectoryA,
      &::RegOpenKeyExA,
      &::RegDeleteKeyA,
      &::RegCloseKey,
      &::GetSystemDirectoryA,
      &::GetWindowsDirectoryA,
      &::DeleteFileA,
      MoveFileExWhereExported,
      &::WritePrivateProfileStringA,
  };
}

const UninstallCalls& RemovalCalls() { return g_calls; }

UninstallCalls SetUninstallCalls(const UninstallCalls& calls) {
  UninstallCalls previous = g_calls;
  g_calls = calls;
  return previous;
}
