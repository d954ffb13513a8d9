#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "scoped_handle.h"

// A library of ours loaded into another process (of the same bitness) for as long as
// this object lives; its exports run there, each on a thread of its own, on a copy of a
// block of ours that is copied back when the export is done.
class RemoteLibrary {
 public:
  RemoteLibrary(DWORD processId, const std::string& path);
  ~RemoteLibrary();
  RemoteLibrary(const RemoteLibrary&) = delete;
  RemoteLibrary& operator=(const RemoteLibrary&) = delete;

  bool loaded() const { return m_base != nullptr; }
  // True when the export returned nonzero within the time; `block` then holds what it
  // left in the copy.
  bool Call(const char* exportName, void* block, std::size_t size, DWORD timeoutMs);

 private:
  ScopedFileHandle m_process;
  std::string m_path;
  void* m_base = nullptr;
  // A thread that overran its time may still be running in the library or writing to
  // its block: then neither is released.
  bool m_stranded = false;
};
