#pragma once

#include <windows.h>

// An open registry key, closed once; by RegCloseKey unless the owner names another call
// (the installer closes through its replaceable calls).
class ScopedRegKey {
 public:
  using Closer = decltype(&::RegCloseKey);

  explicit ScopedRegKey(Closer close = ::RegCloseKey) : m_close(close) {}
  ~ScopedRegKey() {
    if (m_key) m_close(m_key);
  }
  ScopedRegKey(const ScopedRegKey&) = delete;
  ScopedRegKey& operator=(const ScopedRegKey&) = delete;

  // Where the opening call stores the key.
  HKEY* out() { return &m_key; }
  HKEY get() const { return m_key; }

 private:
  Closer m_close;
  HKEY m_key = nullptr;
};
