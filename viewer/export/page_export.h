#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "path_list.h"
#include "path_parts.h"
#include "save_image_dialog.h"

// Told before each page is written: the page, counted from 1, and the page count. The
// status bar shows it; the export does not pump messages, so the pane must repaint itself.
using ExportProgress = std::function<void(int page, int pageCount)>;

struct ExportSummary {
  int pageCount = 0;
  int failedPages = 0;
  // The image-writer library could not be loaded; the export ended at that page.
  bool writerMissing = false;
};

// The file page `pageIndex` (from 0) is written to: the chosen name's base name followed by
// the number in at least four digits, with the chosen extension as typed.
std::string ExportTargetName(const PathParts& chosen, int pageIndex);

// Writes every page file as a numbered image beside `chosenPath`: ".emf" copies, ".bmp"
// renders, any other extension renders a temporary bitmap and hands it to the image writer.
ExportSummary ExportPages(const PathList& pageFiles, const std::string& chosenPath,
                          const ExportProgress& progress);

// The status-bar text for the page being written.
std::string SavingPageText(int page, int pageCount);

// Tells the user, in one message box, how many pages were not written; silent when all were.
void ReportUnsavedPages(HWND owner, const ExportSummary& summary);

// The whole "Save As..." command: asks for a name, writes the pages, reports failures.
void SaveJobAsImages(HWND owner, const CAppProfile& profile, const PathList& pageFiles,
                     const ExportProgress& progress);
