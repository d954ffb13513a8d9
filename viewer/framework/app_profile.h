#pragma once

#include <windows.h>

#include <string>

// The application profile in the registry: values under
// HKEY_CURRENT_USER\Software\<registry key>\<application>\<section>.
class CAppProfile {
 public:
  CAppProfile(std::string registryKey, std::string application)
      : m_registryKey(std::move(registryKey)), m_application(std::move(application)) {}

  // The value, or `defaultValue` when it is missing or not a number.
  UINT GetInt(const char* section, const char* entry, int defaultValue) const;
  // Creates the keys on the way; false when the registry refuses.
  bool WriteInt(const char* section, const char* entry, int value) const;

  // The section's key path below HKEY_CURRENT_USER.
  std::string SectionKey(const char* section) const;

 private:
  std::string m_registryKey;
  std::string m_application;
};
