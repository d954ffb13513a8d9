// Stands in for unquill.exe: notes each run in "uninstall.log" beside itself.
#include <windows.h>

#include <fstream>
#include <string>

#include "program_directory.h"

int main() {
  std::ofstream(ProgramDirectory() + "uninstall.log", std::ios::app) << "uninstalled\n";
  return 0;
}
