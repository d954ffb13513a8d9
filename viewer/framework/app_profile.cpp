#include "app_profile.h"

#include "scoped_reg_key.h"

std::string CAppProfile::SectionKey(const char* section) const {
  return "Software\\" + m_registryKey + "\\" + m_application + "\\" + section;
}

UINT CAppProfile::GetInt(const char* section, const char* entry, int defaultValue) const {
  ScopedRegKey key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, KEY_READ, key.out()) !=
      ERROR_SUCCESS)
    return defaultValue;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegQueryValueExA(key.get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof value)
    return defaultValue;
  return value;
}

bool CAppProfile::WriteInt(const char* section, const char* entry, int value) const {
  ScopedRegKey key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, key.out(),
                      nullptr) != ERROR_SUCCESS)
    return false;
  const DWORD data = static_cast<DWORD>(value);
  return RegSetValueExA(key.get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof data) == ERROR_SUCCESS;
}
