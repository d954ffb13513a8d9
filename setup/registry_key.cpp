#include "registry_key.h"

#include "setup_calls.h"

SetupRegKey::SetupRegKey() : ScopedRegKey(Calls().regCloseKey) {}

bool OpenMachineKey(const char* path, ScopedRegKey& key) {
  return Calls().regOpenKeyEx(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS, key.out()) == ERROR_SUCCESS;
}

bool SetStringValue(HKEY key, const char* name, const std::string& text) {
  return Calls().regSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                               static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}
