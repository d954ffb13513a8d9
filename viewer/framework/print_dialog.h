#pragma once

#include <windows.h>

#include <commdlg.h>

// Shows the print dialog, or with PD_PRINTSETUP the Print Setup dialog, owned by the main
// window and started from the application's printer settings; OK stores the choice back
// into them. The caller fills in the flags and page range and owns request.hDC after OK.
bool RunPrintDialog(PRINTDLGA& request);

using PrintDialogFunction = BOOL(WINAPI*)(PRINTDLGA* request);
// Installs a replacement for PrintDlgA (nullptr restores it) and returns the previous one.
PrintDialogFunction SetPrintDialog(PrintDialogFunction dialog);
