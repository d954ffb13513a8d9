#include "command_line.h"

void CCommandLineInfo::ParseParam(const char* argument) {
  if (!argument || !*argument || *argument == '/' || *argument == '-') return;
  if (m_nShellCommand == FileOpen) return;
  m_nShellCommand = FileOpen;
  m_strFileName = argument;
}
