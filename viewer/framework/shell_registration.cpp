#include "shell_registration.h"

#include <windows.h>

#include "scoped_reg_key.h"

namespace {

constexpr char kDefaultIconKey[] = "\\DefaultIcon";
constexpr char kOpenCommandKey[] = "\\shell\\open\\command";
// The program's first icon, and the file the shell opens passed as the only argument.
constexpr char kFirstIcon[] = ",0";
constexpr char kFileArgument[] = " \"%1\"";

bool ReadClassesRootValue(const char* key, std::string& value) {
  ScopedRegKey opened;
  if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_QUERY_VALUE, opened.out()) != ERROR_SUCCESS)
    return false;
  // Room for a quoted program path and its argument; a longer value differs from ours.
  char text[MAX_PATH + 16];
  DWORD type = 0;
  DWORD size = sizeof text;
  if (RegQueryValueExA(opened.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return false;
  // A stored value need not carry its terminating NUL.
  value.assign(text, size > 0 && text[size - 1] == '\0' ? size - 1 : size);
  return true;
}

bool WriteClassesRootValue(const char* key, const char* value) {
  ScopedRegKey created;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                      nullptr, created.out(), nullptr) != ERROR_SUCCESS)
    return false;
  return RegSetValueExA(created.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                        static_cast<DWORD>(lstrlenA(value) + 1)) == ERROR_SUCCESS;
}

ClassesRootAccess g_access = {ReadClassesRootValue, WriteClassesRootValue};

}  // namespace

std::vector<ShellRegistryEntry> ShellFileTypeEntries(const std::string& programPath,
                                                     const std::string& extension,
                                                     const std::string& typeId,
                                                     const std::string& typeName,
                                                     bool shellOpen) {
  std::vector<ShellRegistryEntry> entries;
  if (typeId.empty()) return entries;
  entries.push_back({typeId, typeName});
  entries.push_back({typeId + kDefaultIconKey, programPath + kFirstIcon});
  if (shellOpen)
    entries.push_back({typeId + kOpenCommandKey, "\"" + programPath + "\"" + kFileArgument});
  if (!extension.empty()) entries.push_back({extension, typeId});
  return entries;
}

void WriteShellEntries(const std::vector<ShellRegistryEntry>& entries) {
  for (const ShellRegistryEntry& entry : entries) {
    std::string current;
    if (g_access.read(entry.key.c_str(), current) && current == entry.value) continue;
    g_access.write(entry.key.c_str(), entry.value.c_str());
  }
}

ClassesRootAccess SetClassesRootAccess(ClassesRootAccess access) {
  const ClassesRootAccess previous = g_access;
  g_access.read = access.read ? access.read : ReadClassesRootValue;
  g_access.write = access.write ? access.write : WriteClassesRootValue;
  return previous;
}
