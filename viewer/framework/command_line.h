#pragma once

#include <string>

// What the command line asks of the program: a new document, or a named one.
struct CCommandLineInfo {
  enum Command { FileNew, FileOpen };
  Command m_nShellCommand = FileNew;
  std::string m_strFileName;

  // One argument: flags ("/x" or "-x") are ignored, the first other argument names the
  // document to open.
  void ParseParam(const char* argument);
};
