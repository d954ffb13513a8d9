// What the spooler holds of Quillor, one "name=state" line each, for the e2e scripts:
//   spooler_parts            prints the monitor, port, printer, driver and print processor
//   spooler_parts delete-printer   deletes the printer "Quillor Printer" (a half-removal)
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

template <typename Info, typename Enumerate>
bool Lists(Enumerate enumerate, const char* wanted, char* Info::*field) {
  DWORD needed = 0;
  DWORD count = 0;
  enumerate(nullptr, 0, &needed, &count);
  if (needed == 0) return false;
  std::vector<BYTE> buffer(needed);
  if (!enumerate(buffer.data(), needed, &needed, &count)) return false;
  const auto* infos = reinterpret_cast<const Info*>(buffer.data());
  for (DWORD i = 0; i < count; ++i) {
    if (infos[i].*field && std::strcmp(infos[i].*field, wanted) == 0) return true;
  }
  return false;
}

void Show(const char* name, bool there) { std::printf("%s=%s\n", name, there ? "present" : "absent"); }

}  // namespace

int main(int argc, char** argv) {
  std::string printer = "Quillor Printer";
  if (argc > 1 && std::strcmp(argv[1], "delete-printer") == 0) {
    HANDLE handle = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(printer.data(), &handle, &access)) return 1;
    const BOOL deleted = DeletePrinter(handle);
    ClosePrinter(handle);
    return deleted ? 0 : 1;
  }
  // Where setup registers the driver and the processor on the NT family.
  std::string environment = "Windows NT x86";
  Show("monitor", Lists<MONITOR_INFO_1A>([](BYTE* b, DWORD s, DWORD* n, DWORD* c) {
         return EnumMonitorsA(nullptr, 1, b, s, n, c);
       }, "Quillor", &MONITOR_INFO_1A::pName));
  Show("port", Lists<PORT_INFO_2A>([](BYTE* b, DWORD s, DWORD* n, DWORD* c) {
         return EnumPortsA(nullptr, 2, b, s, n, c);
       }, "Quillor1:", &PORT_INFO_2A::pPortName));
  HANDLE handle = nullptr;
  const bool printerThere = OpenPrinterA(printer.data(), &handle, nullptr) != FALSE;
  if (printerThere) ClosePrinter(handle);
  Show("printer", printerThere);
  Show("driver", Lists<DRIVER_INFO_1A>([&](BYTE* b, DWORD s, DWORD* n, DWORD* c) {
         return EnumPrinterDriversA(nullptr, environment.data(), 1, b, s, n, c);
       }, "Quillor Printer", &DRIVER_INFO_1A::pName));
  Show("processor", Lists<PRINTPROCESSOR_INFO_1A>([&](BYTE* b, DWORD s, DWORD* n, DWORD* c) {
         return EnumPrintProcessorsA(nullptr, environment.data(), 1, b, s, n, c);
       }, "Quillprint", &PRINTPROCESSOR_INFO_1A::pName));
  return 0;
}
