#pragma once

#include <windows.h>

#include <string>

#include "remote_library.h"

// The probe library (probe_request.h) loaded into the process that owns a window of the
// viewer, for as long as this object lives. The library lies beside this program.
class ViewerProbe {
 public:
  explicit ViewerProbe(HWND viewerWindow);

  // The reader's lines about `window`; false when the probe is not loaded, the reader
  // failed or it took longer than a few seconds.
  bool Read(const char* reader, HWND window, std::string& lines);

 private:
  RemoteLibrary m_library;
};
