#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

constexpr const char kAllFilesFilter[] = "All Files (*.*)";

// Asks for a document's file in the Open dialog (an existing file) or the Save As dialog
// (overwriting confirmed). The filter offers the document type (`filterName`, files
// ending in `extension`, which is also added to names typed without one), then all files.
// Returns the full path, or "" when the user cancels.
std::string AskDocumentFileName(HWND owner, bool opening, const std::string& filterName,
                                const std::string& extension);

using FileNameDialog = BOOL(WINAPI*)(OPENFILENAMEA* request);
// Install replacements for GetOpenFileNameA and GetSaveFileNameA (nullptr restores
// them) and return the previous ones.
FileNameDialog SetDocumentOpenDialog(FileNameDialog dialog);
FileNameDialog SetDocumentSaveDialog(FileNameDialog dialog);
