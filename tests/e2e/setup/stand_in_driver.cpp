// Stands in for the driver, configuration and print-processor DLLs that setup copies: the
// spooler may load a printer's configuration DLL, which must then export these two.
#include <windows.h>

extern "C" __declspec(dllexport) DWORD WINAPI DrvDeviceCapabilities(HANDLE, PWSTR, WORD, void*, DEVMODEW*) {
  return GDI_ERROR;
}

extern "C" __declspec(dllexport) LONG WINAPI DrvDocumentPropertySheets(void*, LPARAM) { return -1; }
