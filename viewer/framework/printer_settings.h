#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>
#include <vector>

// The settings of the printer the program prints with: the default printer's until the
// user picks another in a print dialog, changed by the layout (the paper turns with the
// grid). Print Setup, the print dialog and the sheet size all start from them.
class CPrinterSettings {
 public:
  // Writes the orientation into the settings; nothing without a printer.
  void SetPrinterOrientation(bool landscape);
  // The printer's printable area in whole millimetres; false without a printer.
  bool ReadPrintableArea(SIZE& millimetres);
  // A device context for the printer with these settings (the caller deletes it); null
  // without a printer.
  HDC CreatePrinterDC();
  // Where the printer has a duplex unit, sets `dc` to print both sides, bound at the long
  // edge or the short one; false, dc unchanged, where it has none or refuses.
  bool ResetForDuplex(HDC dc, bool shortEdge);

  // Gives the dialog request movable copies of the settings (hDevMode, hDevNames) that
  // the caller frees; both stay null without a printer, so the dialog starts from the
  // system's default printer.
  void FillDialogRequest(PRINTDLGA& request);
  // Takes the printer and settings the user chose in a dialog as the new settings.
  void StoreDialogChoice(const PRINTDLGA& request);

  const std::string& PrinterName() const { return m_printerName; }
  const std::string& PortName() const { return m_portName; }

 private:
  // Reads the default printer's names and settings on first use; false without a printer.
  bool EnsureDefaults();

  std::string m_printerName;
  std::string m_driverName;
  std::string m_portName;
  std::vector<BYTE> m_devMode;
};

// The program's one set of printer settings.
CPrinterSettings& AppPrinterSettings();
