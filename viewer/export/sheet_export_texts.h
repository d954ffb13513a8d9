#pragma once

// Fixed texts and names of saving the arranged sheets as one PDF or TIFF file.

constexpr const char kSaveSheetsFilter[] = "PDF File(*.PDF)|*.pdf|TIF File(*.TIF;*.TIFF)|*.tif;*.tiff||";
constexpr const char kSaveSheetsTitle[] = "Save Sheets As";
// Beside the image export's keys: the folder in win.ini, the rest in the application profile.
constexpr const char kSaveSheetsPathKey[] = "SaveSheetsPath";
constexpr const char kSaveSheetsFilterKey[] = "SaveSheetsFilter";
constexpr const char kSaveSheetsResolutionKey[] = "SaveSheetsResolution";
constexpr const char kSaveSheetsGreyKey[] = "SaveSheetsGreyscale";
constexpr const char kSaveSheetsSmallerKey[] = "SaveSheetsSmaller";

// The resolutions offered, in the order of the dialog's buttons.
constexpr int kSheetResolutions[] = {150, 300, 600};
constexpr int kDefaultSheetResolutionIndex = 1;

constexpr const char kTiffExtension[] = ".tif";
constexpr const char kLongTiffExtension[] = ".tiff";

// The PDF's document title.
constexpr const char kSheetsDocumentTitle[] = "Print Preview";

// Status-bar text while sheets are saved: the sheet (from 1) and the sheet count.
constexpr const char kSavingSheetFormat[] = "Saving sheet %d of %d";
// When the file could not be written; the target's path.
constexpr const char kSheetsNotSavedFormat[] =
    "The sheets could not be saved as %s. Check that the folder exists, that the file is not "
    "open elsewhere and that the disk has room, then save again.";
