#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include <windows.h>
#include <winspool.h>

#include "setup_calls.h"

// Version words as GetVersion returns them.
constexpr DWORD kWin95Word = 0xC3B60004;    // 4.0
constexpr DWORD kWin98Word = 0xC0000A04;    // 4.10
constexpr DWORD kNt4Word = 0x05650004;      // 4.0
constexpr DWORD kWin2000Word = 0x08930005;  // 5.0
constexpr DWORD kWinXpWord = 0x0A280105;    // 5.1
constexpr DWORD kWin2003Word = 0x0ECE0205;  // 5.2
constexpr DWORD kVistaWord = 0x17700006;    // 6.0

// A registry value as stored.
struct FakeValue {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

// A scripted Windows for the installer. Every call it answers, and every message box, is
// written to `log` in order; the settings say what each call gives.
struct FakeWindows {
  DWORD versionWord = kWinXpWord;

  std::vector<std::string> listedMonitors;
  bool monitorListFails = false;
  std::string systemDirectory = "C:\\WINDOWS\\system32";
  std::string windowsDirectory = "C:\\WINDOWS";
  std::string driverDirectory = "C:\\WINDOWS\\system32\\spool\\drivers\\w32x86";
  std::string processorDirectory = "C:\\WINDOWS\\system32\\spool\\prtprocs\\w32x86";

  std::set<std::string> failingCopies;  // source paths whose copy fails
  DWORD copyError = ERROR_FILE_NOT_FOUND;
  DWORD addMonitorError = 0;  // 0: the call succeeds
  DWORD addPortError = 0;
  DWORD addDriverError = 0;
  DWORD addProcessorError = 0;
  DWORD addPrinterError = 0;
  bool spoolerLibraryLoads = true;
  bool setDefaultPrinterExported = true;

  bool processStarts = true;
  DWORD waitResult = WAIT_OBJECT_0;
  bool exitCodeReadable = true;
  DWORD exitCode = 0;

  // Keys by lower-case path ("hklm\\software\\..."), values by name.
  std::map<std::string, std::map<std::string, FakeValue>> registry;
  std::set<std::string> failingOpens;    // lower-case key paths RegOpenKeyExA refuses
  std::set<std::string> failingCreates;  // lower-case key paths RegCreateKeyA refuses
  std::set<std::string> failingValueWrites;
  std::map<HKEY, std::string> openKeys;

  // What the spooler was given.
  std::vector<std::string> driverRecord;  // cVersion, name, environment, driver, data, config
  DEVMODEA devMode = {};
  std::vector<std::string> printerStrings;  // the record's strings, copied while valid

  std::vector<std::string> log;

  // Log entries that start with `prefix`, in order.
  std::vector<std::string> Entries(const std::string& prefix) const;
  // Whether `first` is logged before `second` (both must be there).
  bool Before(const std::string& first, const std::string& second) const;
  const FakeValue* Value(const std::string& keyPath, const std::string& name) const;
};

FakeWindows& Fake();

// The fake in place of the real calls, message boxes and version word for one scope;
// the fake starts from its defaults.
class FakeWindowsScope {
 public:
  FakeWindowsScope();
  ~FakeWindowsScope();
  FakeWindowsScope(const FakeWindowsScope&) = delete;
  FakeWindowsScope& operator=(const FakeWindowsScope&) = delete;

 private:
  SetupCalls m_previousCalls;
};

std::string Lower(std::string text);
std::string StringValue(const FakeValue& value);
