#include "install_printer.h"

#include <string>

#include <windows.h>
#include <winspool.h>

#include "ansi_code_page.h"
#include "file_copy.h"
#include "file_sets.h"
#include "formatted_text.h"
#include "message_box.h"
#include "path_parts.h"
#include "printer_records.h"
#include "program_directory.h"
#include "setup_calls.h"
#include "setup_texts.h"
#include "spooler_directory.h"
#include "windows_family.h"

namespace {

using SetDefaultPrinterFunction = BOOL(WINAPI*)(LPCSTR);

void ShowInstallMessage(const std::string& text, const char* caption) {
  ShowMessageBox(nullptr, text.c_str(), caption, MB_OK);
}

int LastErrorCode() { return static_cast<int>(GetLastError()); }

void CopyDriverFiles(const FileSet& files, const std::string& sourceFolder, const std::string& setupFolder,
                     const std::string& driverDirectory) {
  for (const char* name : {files.driverFile, files.dataFile, files.configFile}) {
    CopyFileOver(sourceFolder + name, driverDirectory + name);
  }
  for (const char* name : {kUnidrvResources, kUnidrvNames}) {
    CopyFileOver(setupFolder + name, driverDirectory + kUnidrvSubfolder + name);
  }
}

void RegisterDriver(const FileSet& files, bool isNt, const std::string& driverDirectory) {
  DriverRecord driver(files, isNt, driverDirectory);
  if (!Calls().addPrinterDriver(nullptr, 2, reinterpret_cast<BYTE*>(driver.info()))) {
    ShowInstallMessage(FormatText(kAddDriverFailedText, LastErrorCode()), kAddDriverFailedCaption);
  }
}

void InstallPrintProcessor(const std::string& sourceFolder) {
  const std::string source = sourceFolder + kPrintProcessorFile;
  const std::string target =
      SpoolerDirectory(Calls().getPrintProcessorDirectory, kNtEnvironment) + kPrintProcessorFile;
  if (!CopyFileOver(source, target)) {
    ShowInstallMessage(FormatText(kCopyFailedText, source.c_str(), target.c_str(), LastErrorCode()),
                       kCopyFailedCaption);
  }
  std::string environment(kNtEnvironment);
  std::string file(kPrintProcessorFile);
  std::string name(kPrintProcessorName);
  if (!Calls().addPrintProcessor(nullptr, environment.data(), file.data(), name.data())) {
    ShowInstallMessage(FormatText(kAddProcessorFailedText, LastErrorCode()), kAddProcessorFailedCaption);
  }
}

// Windows before 2000 lacks SetDefaultPrinterA; the printer then stays as it is.
void MakeDefaultPrinter() {
  const HMODULE spooler = Calls().loadLibrary(kSpoolerLibrary);
  if (spooler == nullptr) return;
  const FARPROC entry = Calls().getProcAddress(spooler, kSetDefaultPrinterName);
  if (entry != nullptr) {
    reinterpret_cast<SetDefaultPrinterFunction>(reinterpret_cast<void*>(entry))(kPrinterName);
  }
  Calls().freeLibrary(spooler);
}

}  // namespace

int InstallPrinter() {
  const DWORD versionWord = CurrentVersionWord();
  const bool isNt = IsWinNT(versionWord);
  const FileSet& files = ChooseFileSet(versionWord);
  if (files.notice != nullptr) ShowMessageBox(nullptr, files.notice, nullptr, MB_OK);

  const std::string setupFolder = ProgramDirectory();
  const std::string sourceFolder = WithTrailingBackslash(setupFolder + files.subfolder, AnsiLeadBytes());
  const std::string driverDirectory = SpoolerDirectory(Calls().getPrinterDriverDirectory, EnvironmentFor(isNt));

  CopyDriverFiles(files, sourceFolder, setupFolder, driverDirectory);
  RegisterDriver(files, isNt, driverDirectory);
  if (isNt) InstallPrintProcessor(sourceFolder);

  PrinterRecord printer(isNt);
  const HANDLE handle = Calls().addPrinter(nullptr, 2, reinterpret_cast<BYTE*>(printer.info()));
  if (handle == nullptr) {
    ShowInstallMessage(FormatText(kAddPrinterFailedText, LastErrorCode()), kAddPrinterFailedCaption);
    return kAddPrinterFailed;
  }
  Calls().closePrinter(handle);
  MakeDefaultPrinter();
  return 0;
}
