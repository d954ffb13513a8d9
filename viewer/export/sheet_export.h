#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "app_profile.h"
#include "sheet_raster.h"

// What to write: the file (".tif" or ".tiff" gives a multi-page TIFF of pictures, any
// other name a PDF of text and lines), the sheets and their size, the choices of the
// sheets dialog (the PDF's pictures take them) and the PDF's title.
struct SheetExportRequest {
  std::string path;
  int sheetCount = 0;
  SIZE sheetTenthsMm = {2100, 2970};
  int dpi = 300;
  bool grey = false;
  // PDF pictures as JPEG instead of lossless: smaller only for photographs.
  bool smaller = false;
  // The job's document name; "" gives the viewer's document title.
  std::u16string title;
};

// The sheet's size in pixels at the request's resolution.
SIZE SheetPixels(const SheetExportRequest& request);

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
// sheets (a PDF titled `title`), says when the file could not be written.
void SaveSheetsAs(HWND owner, const CAppProfile& profile, int sheetCount, SIZE sheetTenthsMm,
                  const std::u16string& title, const SheetDrawer& draw, const SheetProgress& progress);
