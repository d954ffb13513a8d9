#pragma once

#include <string>

#include <windows.h>

// An open registry key, closed once through the installer's calls.
class ScopedRegKey {
 public:
  ScopedRegKey() = default;
  ~ScopedRegKey();
  ScopedRegKey(const ScopedRegKey&) = delete;
  ScopedRegKey& operator=(const ScopedRegKey&) = delete;

  // Where the opening call stores the key.
  HKEY* out() { return &m_key; }
  HKEY get() const { return m_key; }

 private:
  HKEY m_key = nullptr;
};

// Opens a key of HKEY_LOCAL_MACHINE with full access.
bool OpenMachineKey(const char* path, ScopedRegKey& key);

// Writes a REG_SZ value, its terminating NUL counted.
bool SetStringValue(HKEY key, const char* name, const std::string& text);
