#include "uninstall_entry.h"

#include "registry_key.h"
#include "setup_calls.h"
#include "setup_texts.h"

void WriteUninstallEntry(const std::string& displayName, const std::string& uninstallerPath) {
  SetupRegKey uninstall;
  if (!OpenMachineKey(kUninstallKey, uninstall) &&
      Calls().regCreateKey(HKEY_LOCAL_MACHINE, kUninstallKey, uninstall.out()) != ERROR_SUCCESS) {
    return;
  }
  SetupRegKey entry;
  if (Calls().regCreateKey(uninstall.get(), kUninstallEntryKey, entry.out()) != ERROR_SUCCESS) return;
  if (!SetStringValue(entry.get(), kDisplayNameValue, displayName)) return;
  SetStringValue(entry.get(), kUninstallStringValue, uninstallerPath);
}
