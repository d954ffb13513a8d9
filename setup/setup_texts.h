#pragma once

#include <windows.h>

// Names, keys and messages the installer shares with Windows, the port monitor and the
// viewer. Texts of the string table live in resources/setup.rc.

constexpr DWORD kWorkBufferSize = 4096;

// Environments and the port monitor's DLL of each family.
constexpr const char kNtEnvironment[] = "Windows NT x86";
constexpr const char k9xEnvironment[] = "Windows 4.0";
constexpr const char kNtMonitorDll[] = "plinthxp.dll";
constexpr const char k9xMonitorDll[] = "plinth98.dll";

constexpr const char* EnvironmentFor(bool isNt) { return isNt ? kNtEnvironment : k9xEnvironment; }
constexpr const char* MonitorDllFor(bool isNt) { return isNt ? kNtMonitorDll : k9xMonitorDll; }

// Files copied from the setup folder into the system directory.
constexpr const char kHelpFile[] = "Quillor.hlp";
constexpr const char kUninstallerFile[] = "unquill.exe";

// The uninstall entry.
constexpr const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const char kUninstallEntryKey[] = "Quillor add printer";
constexpr const char kDisplayNameValue[] = "DisplayName";
constexpr const char kUninstallStringValue[] = "UninstallString";

// Pending deletions of the uninstaller: the registry on NT, wininit.ini on 9x.
constexpr const char kSessionManagerKey[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
constexpr const wchar_t kPendingRenamesValue[] = L"PendingFileRenameOperations";
// The prefix with which the system's own rename calls write the paths of the entries.
constexpr const char16_t kNtPathPrefix[] = u"\\??\\";
constexpr const char kWininitFile[] = "wininit.ini";
constexpr const char kWininitRenameSection[] = "Rename";
constexpr const char kWininitDeleteKey[] = "NUL";

// The port monitor's name (string 103 of setup's table, which the installer registers) and
// its key, which holds its ports.
#define QUILLOR_MONITOR_NAME "Quillor"
#define QUILLOR_MONITOR_KEY "System\\CurrentControlSet\\control\\Print\\Monitors\\" QUILLOR_MONITOR_NAME
constexpr const char kMonitorName[] = QUILLOR_MONITOR_NAME;
constexpr const char kMonitorKey[] = QUILLOR_MONITOR_KEY;

// What the port monitor runs for each job, kept in the key of its port.
constexpr const char kPortKey[] = QUILLOR_MONITOR_KEY "\\Ports\\Quillor1:";
constexpr const char kPortCommandValue[] = "Command";
constexpr const char kPortCommand[] = "C:\\relayer.exe";
constexpr const char kPortArgumentsValue[] = "Arguments";
constexpr const char kPortArguments[] = "Img";

// The printer, its driver and print processor.
constexpr const char kPrinterName[] = "Quillor Printer";
constexpr const char kPortName[] = "Quillor1:";
constexpr const char kPrinterComment[] = "https://www.quillor.example/";
constexpr const char kPrintProcessorFile[] = "quillproc.dll";
constexpr const char kPrintProcessorName[] = "Quillprint";
constexpr const char kNtDatatype[] = "NT EMF 1.008";
constexpr const char k9xPrintProcessorName[] = "WinPrint";
constexpr const char k9xDatatype[] = "EMF";
constexpr const char kUnidrvResources[] = "UNIRES.DLL";
constexpr const char kUnidrvNames[] = "STDNAMES.GPD";
constexpr const char kUnidrvSubfolder[] = "3\\";
constexpr const char kFormName[] = "A4";

// Looked up at run time: Windows before 2000 has no SetDefaultPrinterA.
constexpr const char kSpoolerLibrary[] = "WINSPOOL.DRV";
constexpr const char kSetDefaultPrinterName[] = "SetDefaultPrinterA";

// Messages of the printer installation (shown even in quiet mode).
constexpr const char kNt95Notice[] = "IsNT95";
constexpr const char kUnknownOsNotice[] = "Unknown OS";
constexpr const char kAddDriverFailedText[] = "AddPrinterDriver() return code is %d";
constexpr const char kAddDriverFailedCaption[] = "AddPrinterDriver";
constexpr const char kCopyFailedText[] = "'%s'->'%s' fail, return code is %d";
constexpr const char kCopyFailedCaption[] = "CopyFile";
constexpr const char kAddProcessorFailedText[] = "AddPrintProcessor() return code is %d";
constexpr const char kAddProcessorFailedCaption[] = "AddPrintProcessor";
constexpr const char kAddPrinterFailedText[] = "AddPrinter failed,error code is %d";
constexpr const char kAddPrinterFailedCaption[] = "AddPrinter";
