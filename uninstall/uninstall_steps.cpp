#include "uninstall_steps.h"

#include <string>
#include <vector>

#include <windows.h>
#include <winspool.h>

#include "ansi_code_page.h"
#include "file_removal.h"
#include "file_sets.h"
#include "formatted_text.h"
#include "path_parts.h"
#include "program_directory.h"
#include "removal_report.h"
#include "scoped_reg_key.h"
#include "setup_texts.h"
#include "spooler_directory.h"
#include "uninstall_calls.h"
#include "uninstall_texts.h"
#include "windows_family.h"

namespace {

constexpr UINT kSystemDirectoryCapacity = 256;

// What setup installed, on the system it installed it on.
struct Installation {
  DWORD versionWord;
  bool isNt;
  std::string environment;
};

// An error that leaves a part in place; the errors that say it is already gone are none.
DWORD Remaining(BOOL done, DWORD gone) {
  if (done) return ERROR_SUCCESS;
  const DWORD error = GetLastError();
  return error == gone ? ERROR_SUCCESS : error;
}

void Note(RemovalReport& report, DWORD error, const char* part, const char* name) {
  if (error != ERROR_SUCCESS) report.Failed(FormatText(part, name), error);
}

// An open printer, closed once through the uninstaller's calls.
class PrinterHandle {
 public:
  PrinterHandle() = default;
  ~PrinterHandle() {
    if (m_handle) RemovalCalls().closePrinter(m_handle);
  }
  PrinterHandle(const PrinterHandle&) = delete;
  PrinterHandle& operator=(const PrinterHandle&) = delete;

  HANDLE* out() { return &m_handle; }
  HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle = nullptr;
};

// The jobs go first: a printer with jobs is only marked for deletion until they are done.
DWORD RemovePrinter() {
  std::string name(kPrinterName);
  PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
  PrinterHandle printer;
  if (!RemovalCalls().openPrinter(name.data(), printer.out(), &access)) {
    return Remaining(FALSE, ERROR_INVALID_PRINTER_NAME);
  }
  RemovalCalls().setPrinter(printer.get(), 0, nullptr, PRINTER_CONTROL_PURGE);
  return Remaining(RemovalCalls().deletePrinter(printer.get()), ERROR_INVALID_PRINTER_NAME);
}

// What of the spooler's parts went: the files of a part that stays stay with it.
struct RemovedParts {
  bool driver = false;
  bool processor = false;
  bool monitor = false;
};

// Notes an error that leaves the part in place; true when the part is gone.
bool Gone(RemovalReport& report, DWORD error, const char* part, const char* name) {
  Note(report, error, part, name);
  return error == ERROR_SUCCESS;
}

RemovedParts RemoveSpoolerParts(const Installation& installed, RemovalReport& report) {
  std::string environment = installed.environment;
  std::string printer(kPrinterName);
  std::string processor(kPrintProcessorName);
  std::string port(kPortName);
  std::string monitor(kMonitorName);
  RemovedParts removed;
  Note(report, RemovePrinter(), kPrinterPart, kPrinterName);
  removed.driver = Gone(report,
                        Remaining(RemovalCalls().deletePrinterDriver(nullptr, environment.data(), printer.data()),
                                  ERROR_UNKNOWN_PRINTER_DRIVER),
                        kDriverPart, kPrinterName);
  if (installed.isNt) {
    removed.processor =
        Gone(report,
             Remaining(RemovalCalls().deletePrintProcessor(nullptr, environment.data(), processor.data()),
                       ERROR_UNKNOWN_PRINTPROCESSOR),
             kProcessorPart, kPrintProcessorName);
  }
  Note(report, Remaining(RemovalCalls().deletePort(nullptr, nullptr, port.data()), ERROR_UNKNOWN_PORT), kPortPart,
       kPortName);
  removed.monitor = Gone(report,
                         Remaining(RemovalCalls().deleteMonitor(nullptr, environment.data(), monitor.data()),
                                   ERROR_UNKNOWN_PRINT_MONITOR),
                         kMonitorPart, kMonitorName);
  return removed;
}

DWORD RemoveUninstallEntry() {
  ScopedRegKey uninstall(RemovalCalls().regCloseKey);
  const LONG opened = RemovalCalls().regOpenKeyEx(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_ALL_ACCESS, uninstall.out());
  if (opened == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
  if (opened != ERROR_SUCCESS) return static_cast<DWORD>(opened);
  const LONG deleted = RemovalCalls().regDeleteKey(uninstall.get(), kUninstallEntryKey);
  return deleted == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : static_cast<DWORD>(deleted);
}

bool ReadSystemDirectory(std::string& directory) {
  char buffer[kSystemDirectoryCapacity] = "";
  const UINT length = RemovalCalls().getSystemDirectory(buffer, kSystemDirectoryCapacity);
  if (length == 0 || length >= kSystemDirectoryCapacity) return false;
  directory = WithTrailingBackslash(std::string(buffer, length), AnsiLeadBytes());
  return true;
}

// The driver files setup copied into the driver folder, and the copies the spooler made of
// them for the driver's version. Unidrv's support files stay: every Unidrv printer uses them.
std::vector<std::string> DriverFiles(const Installation& installed) {
  const FileSet& files = ChooseFileSet(installed.versionWord);
  const std::string driverDirectory =
      SpoolerDirectory(RemovalCalls().getPrinterDriverDirectory, installed.environment.c_str());
  const std::string versionDirectory = driverDirectory + std::to_string(files.driverVersion) + "\\";
  std::vector<std::string> paths;
  for (const std::string& directory : {driverDirectory, versionDirectory}) {
    for (const char* name : {files.driverFile, files.dataFile, files.configFile}) {
      const std::string path = directory + name;
      if (paths.empty() || paths.back() != path) paths.push_back(path);
    }
  }
  return paths;
}

std::string PrintProcessorFile(const Installation& installed) {
  return SpoolerDirectory(RemovalCalls().getPrintProcessorDirectory, installed.environment.c_str()) +
         kPrintProcessorFile;
}

bool IsRunningProgram(const std::string& path) { return lstrcmpiA(path.c_str(), ProgramPath().c_str()) == 0; }

void RemoveFile(const Installation& installed, const std::string& path, RemovalReport& report) {
  if (!FitsPathBuffer(path)) {
    report.Failed(FormatText(kFilePart, path.c_str()), ERROR_FILENAME_EXCED_RANGE);
    return;
  }
  Note(report, RemoveFileNowOrAtRestart(path, installed.isNt, IsRunningProgram(path)), kFilePart, path.c_str());
}

void RemoveFiles(const Installation& installed, const RemovedParts& removed, RemovalReport& report) {
  std::string systemDirectory;
  if (!ReadSystemDirectory(systemDirectory)) {
    report.Failed(kSystemFolderPart, GetLastError());
    return;
  }
  if (removed.monitor) RemoveFile(installed, systemDirectory + MonitorDllFor(installed.isNt), report);
  RemoveFile(installed, systemDirectory + kHelpFile, report);
  if (removed.driver) {
    for (const std::string& path : DriverFiles(installed)) RemoveFile(installed, path, report);
  }
  if (removed.processor) RemoveFile(installed, PrintProcessorFile(installed), report);
  // Last, so that on 9x its entry is the first of wininit.ini, where setup looks for it.
  RemoveFile(installed, systemDirectory + kUninstallerFile, report);
}

}  // namespace

int RunUninstall() {
  const DWORD versionWord = CurrentVersionWord();
  const bool isNt = IsWinNT(versionWord);
  const Installation installed{versionWord, isNt, EnvironmentFor(isNt)};
  RemovalReport report;
  const RemovedParts removed = RemoveSpoolerParts(installed, report);
  Note(report, RemoveUninstallEntry(), kEntryPart, kUninstallEntryKey);
  RemoveFiles(installed, removed, report);
  report.Show();
  return report.empty() ? kRemovedCompletely : kPartsLeft;
}
