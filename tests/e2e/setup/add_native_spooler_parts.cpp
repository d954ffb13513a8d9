// Registers the driver "Quillor Printer" and the print processor "Quillprint" for this
// process's own environment, both built on Wine's PostScript driver. The 64-bit test run
// looks a printer's driver and processor up in "Windows x64", where setup's
// "Windows NT x86" registrations are not found; with these in place, adding the printer and
// the steps after it run for real.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

int main() {
  std::string name = "Quillor Printer";
  std::string environment = "Windows x64";
  std::string library = "wineps.drv";
  std::string processor = "Quillprint";
  DRIVER_INFO_2A info = {};
  info.cVersion = 3;
  info.pName = name.data();
  info.pEnvironment = environment.data();
  info.pDriverPath = library.data();
  info.pDataFile = library.data();
  info.pConfigFile = library.data();
  if (!AddPrinterDriverA(nullptr, 2, reinterpret_cast<BYTE*>(&info))) {
    std::printf("AddPrinterDriverA failed: %lu\n", GetLastError());
    return 1;
  }
  if (!AddPrintProcessorA(nullptr, environment.data(), library.data(), processor.data())) {
    std::printf("AddPrintProcessorA failed: %lu\n", GetLastError());
    return 1;
  }
  return 0;
}
