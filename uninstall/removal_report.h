#pragma once

#include <string>

#include <windows.h>

// What could not be removed, said once when the uninstaller ends; nothing when all went well.
class RemovalReport {
 public:
  void Failed(const std::string& part, DWORD error);
  bool empty() const { return m_lines.empty(); }
  // One message box through the message-box seam, listing every part.
  void Show() const;

 private:
  std::string m_lines;
};
