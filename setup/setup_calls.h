#pragma once

#include <windows.h>
#include <winspool.h>

// The spooler, registry, file, profile and process calls of the installer, gathered so
// that tests can replace any of them and make it fail. Each member has the real call's type.
struct SetupCalls {
  decltype(&::EnumMonitorsA) enumMonitors;
  decltype(&::AddMonitorA) addMonitor;
  decltype(&::AddPortA) addPort;
  decltype(&::GetPrinterDriverDirectoryA) getPrinterDriverDirectory;
  decltype(&::AddPrinterDriverA) addPrinterDriver;
  decltype(&::GetPrintProcessorDirectoryA) getPrintProcessorDirectory;
  decltype(&::AddPrintProcessorA) addPrintProcessor;
  decltype(&::AddPrinterA) addPrinter;
  decltype(&::ClosePrinter) closePrinter;

  decltype(&::RegOpenKeyExA) regOpenKeyEx;
  decltype(&::RegCreateKeyA) regCreateKey;
  decltype(&::RegSetValueExA) regSetValueEx;
  // Pending renames are edited in the system's own characters, so that no entry of
  // another program passes through the code page.
  decltype(&::RegQueryValueExW) regQueryValueExW;
  decltype(&::RegSetValueExW) regSetValueExW;
  decltype(&::RegCloseKey) regCloseKey;

  decltype(&::GetSystemDirectoryA) getSystemDirectory;
  decltype(&::GetWindowsDirectoryA) getWindowsDirectory;
  decltype(&::CopyFileA) copyFile;
  decltype(&::GetPrivateProfileStringA) getPrivateProfileString;
  decltype(&::WritePrivateProfileStringA) writePrivateProfileString;

  decltype(&::CreateProcessA) createProcess;
  decltype(&::WaitForSingleObject) waitForSingleObject;
  decltype(&::GetExitCodeProcess) getExitCodeProcess;
  decltype(&::CloseHandle) closeHandle;

  decltype(&::LoadLibraryA) loadLibrary;
  decltype(&::GetProcAddress) getProcAddress;
  decltype(&::FreeLibrary) freeLibrary;
};

// The real Windows calls.
SetupCalls SystemSetupCalls();

// The calls in use.
const SetupCalls& Calls();

// Installs a replacement table and returns the one it replaces.
SetupCalls SetSetupCalls(const SetupCalls& calls);
