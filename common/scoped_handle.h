#pragma once

#include <windows.h>

// Owns a kernel handle that CreateFileA and its kin return; closes it once.
class ScopedFileHandle {
 public:
  explicit ScopedFileHandle(HANDLE handle) : m_handle(handle) {}
  ~ScopedFileHandle() {
    if (valid()) CloseHandle(m_handle);
  }
  ScopedFileHandle(const ScopedFileHandle&) = delete;
  ScopedFileHandle& operator=(const ScopedFileHandle&) = delete;

  bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
  HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle;
};

// Owns a FindFirstFileA search; closes it once.
class ScopedFindHandle {
 public:
  explicit ScopedFindHandle(HANDLE handle) : m_handle(handle) {}
  ~ScopedFindHandle() {
    if (valid()) FindClose(m_handle);
  }
  ScopedFindHandle(const ScopedFindHandle&) = delete;
  ScopedFindHandle& operator=(const ScopedFindHandle&) = delete;

  bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle;
};
