#pragma once

#include <gtest/gtest.h>

#include <string>

#include "file_bytes.h"
#include "path_list.h"
#include "temp_dir.h"

// A discovery scene: a private temporary directory (TMP points at it while the test
// runs), a work directory, and the prefix's real spool directory, cleared of "*.SPL"
// before and after. Tests using it must not run in parallel with each other.
class DiscoveryFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string TempFile(const std::string& name) const { return m_temp.file(name); }
  std::string SpoolFile(const std::string& name) const { return m_spoolDir + name; }
  std::string WorkFile(const std::string& name) const { return m_work.file(name); }
  // Writes a spool job of `pages` drawn pages into the spool directory.
  Bytes WriteSpoolJob(const std::string& name, int pages);

  TempDir m_temp;
  TempDir m_work;
  std::string m_spoolDir;
  PathList m_pageFiles;

 private:
  std::string m_savedTmp;
};

// The spool directory of the running Windows, with a trailing backslash.
std::string SystemSpoolDirectory();
