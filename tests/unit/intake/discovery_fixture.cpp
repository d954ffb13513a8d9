#include "discovery_fixture.h"

#include <windows.h>

#include "file_search.h"
#include "spool_writer.h"

std::string SystemSpoolDirectory() {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows) + "\\system32\\spool\\PRINTERS\\";
}

void DiscoveryFixture::SetUp() {
  char saved[MAX_PATH] = "";
  GetEnvironmentVariableA("TMP", saved, MAX_PATH);
  m_savedTmp = saved;
  SetEnvironmentVariableA("TMP", m_temp.path().c_str());
  m_spoolDir = SystemSpoolDirectory();
  CreateDirectoryA(m_spoolDir.c_str(), nullptr);
  DeleteMatchingFiles(m_spoolDir, "*.SPL");
}

void DiscoveryFixture::TearDown() {
  DeleteMatchingFiles(m_spoolDir, "*.SPL");
  SetEnvironmentVariableA("TMP", m_savedTmp.empty() ? nullptr : m_savedTmp.c_str());
}

Bytes DiscoveryFixture::WriteSpoolJob(const std::string& name, int pages) {
  const Bytes spool = BuildSpoolFile(MakeDrawnJob(pages, name));
  WriteFileBytes(SpoolFile(name), spool);
  return spool;
}
