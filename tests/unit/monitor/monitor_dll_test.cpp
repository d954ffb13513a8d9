// The built port monitors loaded as a spooler loads them, their calls made as it makes them.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <windows.h>
#include <winspool.h>
#include <winsplp.h>
#include <shlwapi.h>

#include "program_directory.h"

namespace {

constexpr char kTestRoot[] = "Software\\Quillor monitor test";
constexpr char kWineMonitorKey[] = "System\\CurrentControlSet\\control\\Print\\Monitors\\Quillor";
wchar_t kPortName[] = L"Quillor1:";

// A monitor DLL of the build, loaded once per test.
class MonitorDll {
 public:
  explicit MonitorDll(const char* name) : m_module(LoadLibraryA((ProgramDirectory() + name).c_str())) {}
  ~MonitorDll() {
    if (m_module) FreeLibrary(m_module);
  }
  MonitorDll(const MonitorDll&) = delete;
  MonitorDll& operator=(const MonitorDll&) = delete;

  template <typename Function>
  Function Entry(const char* name) const {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
  }

 private:
  HMODULE m_module;
};

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void CreateKey(const std::string& path) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

// The spooler's registry functions of 2000 and later: the monitor gets handles that are not
// registry keys, and must reach its key through these functions only.
std::map<HANDLE, HKEY> g_keys;
std::size_t g_nextHandle = 0x100;

HANDLE Handed(HKEY key) {
  const HANDLE handle = reinterpret_cast<HANDLE>(g_nextHandle++);
  g_keys[handle] = key;
  return handle;
}

HKEY KeyOf(HANDLE handle) { return g_keys.count(handle) ? g_keys[handle] : nullptr; }

LONG WINAPI SpoolerCreateKey(HANDLE parent, LPCWSTR name, DWORD options, REGSAM access, PSECURITY_ATTRIBUTES,
                             PHANDLE result, PDWORD disposition, HANDLE) {
  HKEY key = nullptr;
  const LONG status = RegCreateKeyExW(KeyOf(parent), name, 0, nullptr, options, access, nullptr, &key, disposition);
  if (status == ERROR_SUCCESS) *result = Handed(key);
  return status;
}

LONG WINAPI SpoolerOpenKey(HANDLE parent, LPCWSTR name, REGSAM access, PHANDLE result, HANDLE) {
  HKEY key = nullptr;
  const LONG status = RegOpenKeyExW(KeyOf(parent), name, 0, access, &key);
  if (status == ERROR_SUCCESS) *result = Handed(key);
  return status;
}

LONG WINAPI SpoolerCloseKey(HANDLE handle, HANDLE) {
  const HKEY key = KeyOf(handle);
  g_keys.erase(handle);
  return key ? RegCloseKey(key) : ERROR_INVALID_HANDLE;
}

LONG WINAPI SpoolerDeleteKey(HANDLE parent, LPCWSTR name, HANDLE) { return RegDeleteKeyW(KeyOf(parent), name); }

LONG WINAPI SpoolerEnumKey(HANDLE parent, DWORD index, LPWSTR name, PDWORD length, PFILETIME, HANDLE) {
  return RegEnumKeyExW(KeyOf(parent), index, name, length, nullptr, nullptr, nullptr, nullptr);
}

// Wine's spooler hands over a table whose every function is a stub.
LONG WINAPI StubOpenKey(HANDLE, LPCWSTR, REGSAM, PHANDLE, HANDLE) { return ERROR_CALL_NOT_IMPLEMENTED; }
LONG WINAPI StubCreateKey(HANDLE, LPCWSTR, DWORD, REGSAM, PSECURITY_ATTRIBUTES, PHANDLE, PDWORD, HANDLE) {
  return ERROR_CALL_NOT_IMPLEMENTED;
}

class MonitorDllTest : public testing::Test {
 protected:
  void SetUp() override { SHDeleteKeyA(HKEY_LOCAL_MACHINE, kTestRoot); }
  void TearDown() override { SHDeleteKeyA(HKEY_LOCAL_MACHINE, kTestRoot); }

  // Ports listed at `level`, after checking that a buffer one byte short gets nothing.
  template <typename Enum>
  std::vector<std::wstring> Listed(Enum enumerate, DWORD level) {
    DWORD needed = 0;
    DWORD count = 0;
    EXPECT_FALSE(enumerate(level, nullptr, 0, &needed, &count));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    std::vector<BYTE> buffer(needed + 1, 0xAB);
    if (needed > 0) {
      EXPECT_FALSE(enumerate(level, buffer.data(), needed - 1, &needed, &count));
      EXPECT_EQ(buffer[0], 0xAB);
    }
    EXPECT_TRUE(enumerate(level, buffer.data(), needed, &needed, &count));
    EXPECT_EQ(buffer[needed], 0xAB);
    std::vector<std::wstring> names;
    for (DWORD i = 0; i < count; ++i) {
      if (level == 1) {
        names.emplace_back(reinterpret_cast<PORT_INFO_1W*>(buffer.data())[i].pName);
      } else {
        const PORT_INFO_2W& port = reinterpret_cast<PORT_INFO_2W*>(buffer.data())[i];
        EXPECT_STREQ(port.pMonitorName, L"Quillor");
        EXPECT_EQ(port.fPortType, static_cast<DWORD>(PORT_TYPE_WRITE));
        names.emplace_back(port.pPortName);
      }
    }
    return names;
  }
};

TEST_F(MonitorDllTest, ThePortOf2000AndLaterLivesWhereTheSpoolersRegistryFunctionsPutIt) {
  MonitorDll dll("plinthxp.dll");
  const auto initialize = dll.Entry<decltype(&InitializePrintMonitor2)>("InitializePrintMonitor2");
  ASSERT_NE(initialize, nullptr);
  CreateKey(std::string(kTestRoot) + "\\Ports\\Earlier:");
  HKEY root = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTestRoot, 0, KEY_ALL_ACCESS, &root), ERROR_SUCCESS);
  MONITORREG registry = {sizeof(MONITORREG), SpoolerCreateKey, SpoolerOpenKey, SpoolerCloseKey, SpoolerDeleteKey,
                         SpoolerEnumKey, nullptr, nullptr, nullptr, nullptr, nullptr};
  MONITORINIT init = {sizeof(MONITORINIT), nullptr, Handed(root), &registry, TRUE, nullptr};
  HANDLE monitor = nullptr;
  const MONITOR2* calls = initialize(&init, &monitor);
  ASSERT_NE(calls, nullptr);
  EXPECT_EQ(calls->cbSize, sizeof(MONITOR2));  // not 2000: the size of XP and 2003
  EXPECT_EQ(calls->pfnAddPortEx, nullptr);
  const auto enumerate = [&](DWORD level, BYTE* buffer, DWORD size, DWORD* needed, DWORD* count) {
    return calls->pfnEnumPorts(monitor, nullptr, level, buffer, size, needed, count);
  };
  EXPECT_EQ(Listed(enumerate, 1), std::vector<std::wstring>{L"Earlier:"});

  ASSERT_TRUE(calls->pfnAddPort(monitor, nullptr, nullptr, const_cast<wchar_t*>(L"Quillor")));
  EXPECT_TRUE(KeyExists(std::string(kTestRoot) + "\\Ports\\Quillor1:"));
  ASSERT_TRUE(calls->pfnAddPort(monitor, nullptr, nullptr, const_cast<wchar_t*>(L"Quillor"))) << "a second time";
  EXPECT_EQ(Listed(enumerate, 2), (std::vector<std::wstring>{L"Earlier:", L"Quillor1:"}));
  EXPECT_TRUE(calls->pfnConfigurePort(monitor, nullptr, nullptr, kPortName));
  wchar_t unknown[] = L"LPT1:";
  EXPECT_FALSE(calls->pfnConfigurePort(monitor, nullptr, nullptr, unknown));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PORT));

  ASSERT_TRUE(calls->pfnDeletePort(monitor, nullptr, nullptr, kPortName));
  EXPECT_FALSE(KeyExists(std::string(kTestRoot) + "\\Ports\\Quillor1:"));
  EXPECT_FALSE(calls->pfnDeletePort(monitor, nullptr, nullptr, kPortName));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PORT));
  EXPECT_EQ(Listed(enumerate, 1), std::vector<std::wstring>{L"Earlier:"});
  calls->pfnShutdown(monitor);
  SpoolerCloseKey(init.hckRegistryRoot, nullptr);
  EXPECT_TRUE(g_keys.empty()) << "every key the monitor opened is closed";
}

TEST_F(MonitorDllTest, WhereTheSpoolerOnlyStubsItsRegistryThePortIsWhereSetupLooksForIt) {
  const bool monitorKeyWasThere = KeyExists(kWineMonitorKey);
  MonitorDll dll("plinthxp.dll");
  const auto initialize = dll.Entry<decltype(&InitializePrintMonitor2)>("InitializePrintMonitor2");
  ASSERT_NE(initialize, nullptr);
  MONITORREG stubs = {sizeof(MONITORREG), StubCreateKey, StubOpenKey, nullptr, nullptr, nullptr,
                      nullptr, nullptr, nullptr, nullptr, nullptr};
  MONITORINIT init = {sizeof(MONITORINIT), nullptr, nullptr, &stubs, TRUE, nullptr};
  HANDLE monitor = nullptr;
  const MONITOR2* calls = initialize(&init, &monitor);
  ASSERT_NE(calls, nullptr);
  ASSERT_TRUE(calls->pfnAddPort(monitor, nullptr, nullptr, const_cast<wchar_t*>(L"Quillor")));
  EXPECT_TRUE(KeyExists(std::string(kWineMonitorKey) + "\\Ports\\Quillor1:"));
  ASSERT_TRUE(calls->pfnDeletePort(monitor, nullptr, nullptr, kPortName));
  EXPECT_FALSE(KeyExists(std::string(kWineMonitorKey) + "\\Ports\\Quillor1:"));
  calls->pfnShutdown(monitor);
  if (!monitorKeyWasThere) SHDeleteKeyA(HKEY_LOCAL_MACHINE, kWineMonitorKey);
}

TEST_F(MonitorDllTest, JobsOfSeveralMegabytesAreTakenAndDropped) {
  MonitorDll dll("plinthxp.dll");
  CreateKey(std::string(kTestRoot) + "\\Ports\\Quillor1:");
  const auto initialize = dll.Entry<decltype(&InitializePrintMonitor)>("InitializePrintMonitor");
  ASSERT_NE(initialize, nullptr);
  std::wstring root(kTestRoot, kTestRoot + sizeof kTestRoot - 1);
  const MONITOREX* monitor = initialize(root.data());
  ASSERT_NE(monitor, nullptr);
  EXPECT_EQ(monitor->dwMonitorSize, offsetof(MONITOR, pfnXcvOpenPort));
  const MONITOR& calls = monitor->Monitor;

  wchar_t unknown[] = L"LPT1:";
  HANDLE port = nullptr;
  EXPECT_FALSE(calls.pfnOpenPort(unknown, &port));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_UNKNOWN_PORT));
  ASSERT_TRUE(calls.pfnOpenPort(kPortName, &port));
  wchar_t printer[] = L"Quillor Printer";
  DOC_INFO_1W document = {const_cast<wchar_t*>(L"big job"), nullptr, const_cast<wchar_t*>(L"NT EMF 1.008")};
  ASSERT_TRUE(calls.pfnStartDocPort(port, printer, 7, 1, reinterpret_cast<BYTE*>(&document)));
  std::vector<BYTE> chunk(1 << 20, 0x5A);
  DWORD total = 0;
  for (int i = 0; i < 8; ++i) {
    DWORD written = 0;
    ASSERT_TRUE(calls.pfnWritePort(port, chunk.data(), static_cast<DWORD>(chunk.size()), &written));
    total += written;
  }
  EXPECT_EQ(total, 8u << 20);
  EXPECT_TRUE(calls.pfnEndDocPort(port));
  DWORD written = 1;
  EXPECT_FALSE(calls.pfnWritePort(port, chunk.data(), 16, &written)) << "outside a document";
  EXPECT_EQ(written, 0u);
  EXPECT_TRUE(calls.pfnClosePort(port));
}

TEST_F(MonitorDllTest, The9xEntryFillsItsTableAndSpeaksAnsi) {
  // The 9x spooler's MONITOR: thirteen calls, no AddPortEx.
  struct Monitor9x {
    BOOL(WINAPI* enumPorts)(LPSTR, DWORD, LPBYTE, DWORD, LPDWORD, LPDWORD);
    BOOL(WINAPI* openPort)(LPSTR, PHANDLE);
    void* openPortEx;
    BOOL(WINAPI* startDocPort)(HANDLE, LPSTR, DWORD, DWORD, LPBYTE);
    BOOL(WINAPI* writePort)(HANDLE, LPBYTE, DWORD, LPDWORD);
    void* readPort;
    BOOL(WINAPI* endDocPort)(HANDLE);
    BOOL(WINAPI* closePort)(HANDLE);
    BOOL(WINAPI* addPort)(LPSTR, HWND, LPSTR);
    BOOL(WINAPI* configurePort)(LPSTR, HWND, LPSTR);
    BOOL(WINAPI* deletePort)(LPSTR, HWND, LPSTR);
    void* getPrinterDataFromPort;
    void* setPortTimeOuts;
  };
  MonitorDll dll("plinth98.dll");
  const auto initialize = dll.Entry<BOOL(WINAPI*)(LPSTR, Monitor9x*)>("InitializeMonitorEx");
  ASSERT_NE(initialize, nullptr);
  Monitor9x calls;
  std::memset(&calls, 0xCD, sizeof calls);
  std::string root = kTestRoot;
  ASSERT_TRUE(initialize(root.data(), &calls));
  EXPECT_EQ(calls.openPortEx, nullptr);
  EXPECT_EQ(calls.setPortTimeOuts, nullptr);
  ASSERT_TRUE(calls.addPort(nullptr, nullptr, nullptr));
  EXPECT_TRUE(KeyExists(std::string(kTestRoot) + "\\Ports\\Quillor1:"));

  DWORD needed = 0;
  DWORD count = 0;
  calls.enumPorts(nullptr, 2, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  ASSERT_TRUE(calls.enumPorts(nullptr, 2, buffer.data(), needed, &needed, &count));
  ASSERT_EQ(count, 1u);
  EXPECT_STREQ(reinterpret_cast<PORT_INFO_2A*>(buffer.data())->pPortName, "Quillor1:");
  EXPECT_STREQ(reinterpret_cast<PORT_INFO_2A*>(buffer.data())->pMonitorName, "Quillor");

  char name[] = "quillor1:";
  HANDLE port = nullptr;
  ASSERT_TRUE(calls.openPort(name, &port));
  EXPECT_TRUE(calls.startDocPort(port, nullptr, 1, 1, nullptr));
  DWORD written = 0;
  EXPECT_TRUE(calls.writePort(port, buffer.data(), needed, &written));
  EXPECT_EQ(written, needed);
  EXPECT_TRUE(calls.endDocPort(port));
  EXPECT_TRUE(calls.closePort(port));
  ASSERT_TRUE(calls.deletePort(nullptr, nullptr, name));
  EXPECT_FALSE(KeyExists(std::string(kTestRoot) + "\\Ports\\Quillor1:"));
}

}  // namespace
