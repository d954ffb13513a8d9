#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The settings of the default printer the program prints with: read once from the printer,
// then changed by the layout (the paper turns with the grid).
class CPrinterSettings {
 public:
  // Writes the orientation into the settings; nothing without a default printer.
  void SetPrinterOrientation(bool landscape);
  // The printer's printable area as a sheet size in tenths of a millimetre; false (sheet
  // kept) without a printer or when it reports no area.
  bool ReadSheetSize(SIZE& sheet);

 private:
  // Reads the default printer's name and settings on first use; false without a printer.
  bool EnsureDefaults();

  std::string m_printerName;
  std::vector<BYTE> m_devMode;
};

// The program's one set of printer settings.
CPrinterSettings& AppPrinterSettings();
