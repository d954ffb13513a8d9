#pragma once

#include <windows.h>

// The driver files of one Windows version, taken from a subfolder of the setup folder.
struct FileSet {
  const char* subfolder;
  const char* driverFile;
  const char* dataFile;
  const char* configFile;
  DWORD driverVersion;
  const char* notice;  // shown before installing with this set; nullptr for none
};

// The first set whose version test holds; NT versions no test knows get the 2000 files
// with driver version 0 and a notice.
const FileSet& ChooseFileSet(DWORD versionWord);
