#pragma once

#include <windows.h>
#include <winspool.h>

// The spooler, registry and file calls of the uninstaller, gathered so that tests can
// replace any of them and make it fail. Each member has the real call's type.
struct UninstallCalls {
  decltype(&::OpenPrinterA) openPrinter;
  decltype(&::SetPrinterA) setPrinter;
  decltype(&::DeletePrinter) deletePrinter;
  decltype(&::ClosePrinter) closePrinter;
  decltype(&::DeletePrinterDriverA) deletePrinterDriver;
  // Looked up at run time (not in Windows 95's spooler; only NT has print processors).
  decltype(&::DeletePrintProcessorA) deletePrintProcessor;
  decltype(&::DeletePortA) deletePort;
  decltype(&::DeleteMonitorA) deleteMonitor;
  decltype(&::GetPrinterDriverDirectoryA) getPrinterDriverDirectory;
  decltype(&::GetPrintProcessorDirectoryA) getPrintProcessorDirectory;

  decltype(&::RegOpenKeyExA) regOpenKeyEx;
  decltype(&::RegDeleteKeyA) regDeleteKey;
  decltype(&::RegCloseKey) regCloseKey;

  decltype(&::GetSystemDirectoryA) getSystemDirectory;
  decltype(&::GetWindowsDirectoryA) getWindowsDirectory;
  decltype(&::DeleteFileA) deleteFile;
  // Looked up at run time: Windows 95 lacks it (there, wininit.ini deletes at the next start).
  decltype(&::MoveFileExA) moveFileEx;
  decltype(&::WritePrivateProfileStringA) writePrivateProfileString;
};

// The real Windows calls.
UninstallCalls SystemUninstallCalls();

// The calls in use.
const UninstallCalls& RemovalCalls();

// Installs a replacement table and returns the one it replaces.
UninstallCalls SetUninstallCalls(const UninstallCalls& calls);
