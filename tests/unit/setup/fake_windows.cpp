#include "fake_windows.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "message_box.h"
#include "windows_family.h"

namespace {

FakeWindows g_fake;
std::uintptr_t g_nextKey = 0x1000;
int g_fakeSpooler = 0;
const HANDLE kFakeProcess = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x7001));
const HANDLE kFakeThread = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x7002));
const HANDLE kFakePrinter = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0x7003));

void Log(const std::string& entry) { g_fake.log.push_back(entry); }

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

std::string Text(const char* text) { return text ? text : "(null)"; }

BOOL WINAPI FakeEnumMonitors(LPSTR, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned) {
  Log("EnumMonitors " + std::to_string(level));
  if (g_fake.monitorListFails) return Fail(ERROR_INSUFFICIENT_BUFFER);
  const std::size_t count = g_fake.listedMonitors.size();
  std::size_t total = count * sizeof(MONITOR_INFO_1A);
  for (const std::string& name : g_fake.listedMonitors) total += name.size() + 1;
  *needed = static_cast<DWORD>(total);
  if (total > size) return Fail(ERROR_INSUFFICIENT_BUFFER);
  auto* infos = reinterpret_cast<MONITOR_INFO_1A*>(buffer);
  char* strings = reinterpret_cast<char*>(buffer) + count * sizeof(MONITOR_INFO_1A);
  for (std::size_t i = 0; i < count; ++i) {
    std::memcpy(strings, g_fake.listedMonitors[i].c_str(), g_fake.listedMonitors[i].size() + 1);
    infos[i].pName = strings;
    strings += g_fake.listedMonitors[i].size() + 1;
  }
  *returned = static_cast<DWORD>(count);
  return TRUE;
}

BOOL WINAPI FakeAddMonitor(LPSTR, DWORD level, LPBYTE info) {
  const auto* monitor = reinterpret_cast<const MONITOR_INFO_2A*>(info);
  Log("AddMonitor " + std::to_string(level) + " " + Text(monitor->pName) + "|" + Text(monitor->pEnvironment) +
      "|" + Text(monitor->pDLLName));
  return g_fake.addMonitorError ? Fail(g_fake.addMonitorError) : TRUE;
}

BOOL WINAPI FakeAddPort(LPSTR server, HWND owner, LPSTR monitor) {
  Log("AddPort " + Text(server) + " " + (owner ? "owner" : "no-owner") + " " + Text(monitor));
  return g_fake.addPortError ? Fail(g_fake.addPortError) : TRUE;
}

BOOL WriteDirectory(const std::string& directory, LPBYTE buffer, DWORD size, LPDWORD needed) {
  *needed = static_cast<DWORD>(directory.size() + 1);
  if (directory.size() + 1 > size) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(buffer, directory.c_str(), directory.size() + 1);
  return TRUE;
}

BOOL WINAPI FakeGetPrinterDriverDirectory(LPSTR, LPSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                                          LPDWORD needed) {
  Log("GetPrinterDriverDirectory " + Text(environment) + " " + std::to_string(level) + " " + std::to_string(size));
  return WriteDirectory(g_fake.driverDirectory, buffer, size, needed);
}

BOOL WINAPI FakeGetPrintProcessorDirectory(LPSTR, LPSTR environment, DWORD level, LPBYTE buffer, DWORD size,
                                           LPDWORD needed) {
  Log("GetPrintProcessorDirectory " + Text(environment) + " " + std::to_string(level) + " " +
      std::to_string(size));
  return WriteDirectory(g_fake.processorDirectory, buffer, size, needed);
}

BOOL WINAPI FakeAddPrinterDriver(LPSTR server, DWORD level, LPBYTE info) {
  const auto* driver = reinterpret_cast<const DRIVER_INFO_2A*>(info);
  g_fake.driverRecord = {std::to_string(driver->cVersion), Text(driver->pName), Text(driver->pEnvironment),
                         Text(driver->pDriverPath), Text(driver->pDataFile), Text(driver->pConfigFile)};
  Log("AddPrinterDriver " + Text(server) + " " + std::to_string(level));
  return g_fake.addDriverError ? Fail(g_fake.addDriverError) : TRUE;
}

BOOL WINAPI FakeAddPrintProcessor(LPSTR server, LPSTR environment, LPSTR path, LPSTR name) {
  Log("AddPrintProcessor " + Text(server) + " " + Text(environment) + "|" + Text(path) + "|" + Text(name));
  return g_fake.addProcessorError ? Fail(g_fake.addProcessorError) : TRUE;
}

HANDLE WINAPI FakeAddPrinter(LPSTR server, DWORD level, LPBYTE info) {
  const auto* printer = reinterpret_cast<const PRINTER_INFO_2A*>(info);
  if (printer->pDevMode) g_fake.devMode = *printer->pDevMode;
  g_fake.printerStrings = {Text(printer->pPrinterName), Text(printer->pShareName), Text(printer->pPortName),
                           Text(printer->pDriverName), Text(printer->pComment), Text(printer->pLocation),
                           Text(printer->pSepFile), Text(printer->pPrintProcessor), Text(printer->pDatatype),
                           Text(printer->pParameters)};
  Log("AddPrinter " + Text(server) + " " + std::to_string(level));
  if (g_fake.addPrinterError) {
    SetLastError(g_fake.addPrinterError);
    return nullptr;
  }
  return kFakePrinter;
}

BOOL WINAPI FakeClosePrinter(HANDLE printer) {
  Log(printer == kFakePrinter ? "ClosePrinter" : "ClosePrinter (unknown handle)");
  return TRUE;
}

std::string KeyPath(HKEY parent, const char* subKey) {
  std::string path;
  if (parent == HKEY_LOCAL_MACHINE) {
    path = "hklm";
  } else {
    const auto open = g_fake.openKeys.find(parent);
    path = open == g_fake.openKeys.end() ? "(bad key)" : open->second;
  }
  if (subKey && *subKey) path += "\\" + Lower(subKey);
  return path;
}

HKEY NewKey(const std::string& path) {
  const HKEY key = reinterpret_cast<HKEY>(g_nextKey++);
  g_fake.openKeys[key] = path;
  return key;
}

LSTATUS WINAPI FakeRegOpenKeyEx(HKEY parent, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
  const std::string path = KeyPath(parent, subKey);
  Log("RegOpenKeyEx " + path + (access == KEY_ALL_ACCESS ? " all-access" : " limited"));
  if (g_fake.failingOpens.count(path) || !g_fake.registry.count(path)) return ERROR_FILE_NOT_FOUND;
  *result = NewKey(path);
  return ERROR_SUCCESS;
}

LSTATUS WINAPI FakeRegCreateKey(HKEY parent, LPCSTR subKey, PHKEY result) {
  const std::string path = KeyPath(parent, subKey);
  Log("RegCreateKey " + path);
  if (g_fake.failingCreates.count(path)) return ERROR_ACCESS_DENIED;
  g_fake.registry[path];
  *result = NewKey(path);
  return ERROR_SUCCESS;
}

// Value names of the wide calls are plain ASCII here.
std::string Narrow(const wchar_t* name) { return name ? std::string(name, name + wcslen(name)) : "(null)"; }

LSTATUS WINAPI FakeRegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
  const std::string path = KeyPath(key, nullptr);
  Log("RegQueryValueExW " + path + " " + Narrow(name) + " " + std::to_string(data ? *size : 0));
  const FakeValue* value = g_fake.Value(path, Narrow(name));
  if (value == nullptr) return ERROR_FILE_NOT_FOUND;
  const DWORD capacity = data ? *size : 0;
  *size = static_cast<DWORD>(value->data.size());
  if (type) *type = value->type;
  if (!data) return ERROR_SUCCESS;
  if (value->data.size() > capacity) return ERROR_MORE_DATA;
  std::copy(value->data.begin(), value->data.end(), data);
  return ERROR_SUCCESS;
}

LSTATUS WINAPI FakeRegSetValueExW(HKEY key, LPCWSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
  const std::string path = KeyPath(key, nullptr);
  Log("RegSetValueExW " + path + " " + Narrow(name));
  g_fake.registry[path][Narrow(name)] = FakeValue{type, std::vector<BYTE>(data, data + size)};
  return ERROR_SUCCESS;
}

LSTATUS WINAPI FakeRegSetValueEx(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
  const std::string path = KeyPath(key, nullptr);
  Log("RegSetValueEx " + path + " " + Text(name));
  if (g_fake.failingValueWrites.count(name)) return ERROR_ACCESS_DENIED;
  g_fake.registry[path][name] = FakeValue{type, std::vector<BYTE>(data, data + size)};
  return ERROR_SUCCESS;
}

LSTATUS WINAPI FakeRegCloseKey(HKEY key) {
  Log("RegCloseKey " + KeyPath(key, nullptr));
  return g_fake.openKeys.erase(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

UINT CopyDirectory(const std::string& directory, LPSTR buffer, UINT size) {
  if (directory.empty()) return 0;
  if (directory.size() + 1 > size) return static_cast<UINT>(directory.size() + 1);
  std::memcpy(buffer, directory.c_str(), directory.size() + 1);
  return static_cast<UINT>(directory.size());
}

UINT WINAPI FakeGetSystemDirectory(LPSTR buffer, UINT size) {
  Log("GetSystemDirectory " + std::to_string(size));
  return CopyDirectory(g_fake.systemDirectory, buffer, size);
}

UINT WINAPI FakeGetWindowsDirectory(LPSTR buffer, UINT size) {
  Log("GetWindowsDirectory " + std::to_string(size));
  return CopyDirectory(g_fake.windowsDirectory, buffer, size);
}

BOOL WINAPI FakeCopyFile(LPCSTR source, LPCSTR target, BOOL failIfExists) {
  Log("CopyFile " + Text(source) + " -> " + Text(target) + (failIfExists ? " keep" : " overwrite"));
  return g_fake.failingCopies.count(source) ? Fail(g_fake.copyError) : TRUE;
}

BOOL WINAPI FakeCreateProcess(LPCSTR application, LPSTR commandLine, LPSECURITY_ATTRIBUTES,
                              LPSECURITY_ATTRIBUTES, BOOL inherit, DWORD flags, LPVOID environment,
                              LPCSTR directory, LPSTARTUPINFOA startup, LPPROCESS_INFORMATION process) {
  Log("CreateProcess " + Text(commandLine));
  const bool plain = application == nullptr && !inherit && flags == NORMAL_PRIORITY_CLASS &&
                     environment == nullptr && directory == nullptr;
  const bool shown = (startup->dwFlags & STARTF_USESHOWWINDOW) && startup->wShowWindow == SW_SHOW;
  if (!plain || !shown) Log("CreateProcess with unexpected arguments");
  if (!g_fake.processStarts) return Fail(ERROR_FILE_NOT_FOUND);
  process->hProcess = kFakeProcess;
  process->hThread = kFakeThread;
  return TRUE;
}

DWORD WINAPI FakeWaitForSingleObject(HANDLE handle, DWORD timeout) {
  Log(std::string("Wait ") + (handle == kFakeProcess ? "process" : "other") +
      (timeout == INFINITE ? " forever" : " limited"));
  return g_fake.waitResult;
}

BOOL WINAPI FakeGetExitCodeProcess(HANDLE, LPDWORD code) {
  Log("GetExitCodeProcess");
  if (!g_fake.exitCodeReadable) return Fail(ERROR_ACCESS_DENIED);
  *code = g_fake.exitCode;
  return TRUE;
}

BOOL WINAPI FakeCloseHandle(HANDLE handle) {
  Log(handle == kFakeProcess ? "CloseHandle process" : handle == kFakeThread ? "CloseHandle thread"
                                                                             : "CloseHandle other");
  return TRUE;
}

BOOL WINAPI FakeSetDefaultPrinter(LPCSTR name) {
  Log("SetDefaultPrinter " + Text(name));
  return TRUE;
}

HMODULE WINAPI FakeLoadLibrary(LPCSTR name) {
  Log("LoadLibrary " + Text(name));
  if (!g_fake.spoolerLibraryLoads) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return reinterpret_cast<HMODULE>(&g_fakeSpooler);
}

FARPROC WINAPI FakeGetProcAddress(HMODULE module, LPCSTR name) {
  Log("GetProcAddress " + Text(name));
  if (module != reinterpret_cast<HMODULE>(&g_fakeSpooler) || !g_fake.setDefaultPrinterExported) return nullptr;
  return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&FakeSetDefaultPrinter));
}

BOOL WINAPI FakeFreeLibrary(HMODULE module) {
  Log(module == reinterpret_cast<HMODULE>(&g_fakeSpooler) ? "FreeLibrary" : "FreeLibrary (unknown module)");
  return TRUE;
}

int RecordMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  Log("MessageBox " + Text(caption) + "|" + Text(text) + (owner ? "|owned" : "") +
      (type == MB_OK ? "" : "|type " + std::to_string(type)));
  return IDOK;
}

DWORD FakeVersionWord() { return g_fake.versionWord; }

SetupCalls FakeCalls() {
  SetupCalls calls = SystemSetupCalls();
  calls.enumMonitors = FakeEnumMonitors;
  calls.addMonitor = FakeAddMonitor;
  calls.addPort = FakeAddPort;
  calls.getPrinterDriverDirectory = FakeGetPrinterDriverDirectory;
  calls.addPrinterDriver = FakeAddPrinterDriver;
  calls.getPrintProcessorDirectory = FakeGetPrintProcessorDirectory;
  calls.addPrintProcessor = FakeAddPrintProcessor;
  calls.addPrinter = FakeAddPrinter;
  calls.closePrinter = FakeClosePrinter;
  calls.regOpenKeyEx = FakeRegOpenKeyEx;
  calls.regCreateKey = FakeRegCreateKey;
  calls.regSetValueEx = FakeRegSetValueEx;
  calls.regQueryValueExW = FakeRegQueryValueExW;
  calls.regSetValueExW = FakeRegSetValueExW;
  calls.regCloseKey = FakeRegCloseKey;
  calls.getSystemDirectory = FakeGetSystemDirectory;
  calls.getWindowsDirectory = FakeGetWindowsDirectory;
  calls.copyFile = FakeCopyFile;
  calls.createProcess = FakeCreateProcess;
  calls.waitForSingleObject = FakeWaitForSingleObject;
  calls.getExitCodeProcess = FakeGetExitCodeProcess;
  calls.closeHandle = FakeCloseHandle;
  calls.loadLibrary = FakeLoadLibrary;
  calls.getProcAddress = FakeGetProcAddress;
  calls.freeLibrary = FakeFreeLibrary;
  return calls;
}

}  // namespace

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string StringValue(const FakeValue& value) {
  return std::string(value.data.begin(), value.data.end());
}

std::vector<std::string> FakeWindows::Entries(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& entry : log) {
    if (entry.compare(0, prefix.size(), prefix) == 0) found.push_back(entry);
  }
  return found;
}

bool FakeWindows::Before(const std::string& first, const std::string& second) const {
  const auto a = std::find(log.begin(), log.end(), first);
  const auto b = std::find(log.begin(), log.end(), second);
  return a != log.end() && b != log.end() && a < b;
}

const FakeValue* FakeWindows::Value(const std::string& keyPath, const std::string& name) const {
  const auto key = registry.find(Lower(keyPath));
  if (key == registry.end()) return nullptr;
  const auto value = key->second.find(name);
  return value == key->second.end() ? nullptr : &value->second;
}

FakeWindows& Fake() { return g_fake; }

FakeWindowsScope::FakeWindowsScope() : m_previousCalls(SetSetupCalls(FakeCalls())) {
  g_fake = FakeWindows();
  SetMessageBoxHook(RecordMessageBox);
  SetVersionWordSource(FakeVersionWord);
  SetLastError(0);
}

FakeWindowsScope::~FakeWindowsScope() {
  SetSetupCalls(m_previousCalls);
  SetMessageBoxHook(nullptr);
  SetVersionWordSource(nullptr);
}
