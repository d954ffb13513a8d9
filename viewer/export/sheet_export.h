#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app_profile.h"
#include "sheet_raster.h"

// What to write: the file (".tif" or ".tiff" gives a multi-page TIFF, any other name a
// PDF), the sheets and their size, and the choices of the sheets dialog.
struct SheetExportRequest {
  std::string path;
  int sheetCount = 0;
  SIZE sheetTenthsMm = {2100, 2970};
  int dpi = 300;
  bool grey = false;
  // PDF pages as JPEG instead of lossless: smaller only for photographic sheets; document
  // sheets come out several times larger (tools/bench-sheets-pdf).
  bool smaller = false;
};

// Told before each sheet is drawn, the sheet counted from 1; false stops the save.
using SheetProgress = std::function<bool(int sheet, int sheetCount)>;

enum class SheetExportResult { Saved, Cancelled, Failed };

// Draws the sheets one at a time and streams them to a temporary file in the target's
// folder, renamed over the target only when every sheet is written: a cancelled or failed
// save leaves an existing file as it was and no partial one.
SheetExportResult ExportSheets(const SheetExportRequest& request, const SheetDrawer& draw,
                               const SheetProgress& progress);

// The status-bar text for the sheet being written.
std::string SavingSheetText(int sheet, int sheetCount);

// The whole "Save Sheets As..." command: asks for the name and the choices, writes the
// sheets, says when the file could not be written.
void SaveSheetsAs(HWND owner, const CAppProfile& profile, int sheetCount, SIZE sheetTenthsMm,
                  const SheetDrawer& draw, const SheetProgress& progress);
