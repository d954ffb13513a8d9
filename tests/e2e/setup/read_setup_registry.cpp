// Prints the registry values setup writes, one "name=data" line each, so that the test
// reads them all with one program start: REG_DWORD as 0x..., other types as text with each
// NUL inside the data shown as "\0"; "(missing)" for a value that isn't there. The pending
// renames come once more as the system keeps them, in wide characters, as hex bytes.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct WatchedValue {
  const char* name;
  HKEY root;
  const char* key;
  const char* value;
};

const WatchedValue kValues[] = {
    {"monitor.Driver", HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Print\\Monitors\\Quillor", "Driver"},
    {"entry.DisplayName", HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillor add printer", "DisplayName"},
    {"entry.UninstallString", HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillor add printer", "UninstallString"},
    {"port.Command", HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\control\\Print\\Monitors\\Quillor\\Ports\\Quillor1:", "Command"},
    {"port.Arguments", HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\control\\Print\\Monitors\\Quillor\\Ports\\Quillor1:", "Arguments"},
    {"printer.Port", HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Print\\Printers\\Quillor Printer", "Port"},
    {"printer.Attributes", HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Print\\Printers\\Quillor Printer", "Attributes"},
    {"printer.PrintProcessor", HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Print\\Printers\\Quillor Printer", "Print Processor"},
    {"printer.Datatype", HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Print\\Printers\\Quillor Printer", "Datatype"},
    {"default.Device", HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", "Device"},
    {"pending.Renames", HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", "PendingFileRenameOperations"},
};

std::string Describe(const WatchedValue& watched) {
  std::vector<BYTE> data(8192);
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(data.size());
  HKEY key = nullptr;
  if (RegOpenKeyExA(watched.root, watched.key, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "(missing)";
  const LONG read = RegQueryValueExA(key, watched.value, nullptr, &type, data.data(), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS) return "(missing)";
  if (type == REG_DWORD) {
    char number[16];
    std::snprintf(number, sizeof(number), "0x%lx", *reinterpret_cast<const DWORD*>(data.data()));
    return number;
  }
  if (type == REG_SZ && size > 0 && data[size - 1] == 0) --size;
  std::string text;
  for (DWORD i = 0; i < size; ++i) text += data[i] ? std::string(1, static_cast<char>(data[i])) : "\\0";
  return text;
}

// The pending renames read with the wide call, each byte as two hex digits.
std::string PendingRenamesInHex() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", 0,
                    KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return "(missing)";
  std::vector<BYTE> data(65536);
  DWORD size = static_cast<DWORD>(data.size());
  const LONG read = RegQueryValueExW(key, L"PendingFileRenameOperations", nullptr, nullptr, data.data(), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS) return "(missing)";
  std::string hex;
  for (DWORD i = 0; i < size; ++i) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", data[i]);
    hex += pair;
  }
  return hex;
}

}  // namespace

int main() {
  for (const WatchedValue& watched : kValues) std::printf("%s=%s\n", watched.name, Describe(watched).c_str());
  std::printf("pending.RenamesWide=%s\n", PendingRenamesInHex().c_str());
  return 0;
}
