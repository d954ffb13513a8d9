#pragma once

// Installs the driver files of the running Windows version, the print processor (NT
// family) and the printer "Quillor Printer", and makes it the default printer.
// Returns 0 when the printer was added, -2 when it could not be.
int InstallPrinter();

constexpr int kAddPrinterFailed = -2;
