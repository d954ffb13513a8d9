#pragma once

// Fixed texts and names of saving a job's pages as image files.

// Filter of the save dialog: pairs of caption and patterns, '|' between, "||" at the end.
constexpr const char kSaveImageFilter[] =
    "EMF File(*.EMF)|*.emf|BMP File(*.BMP;*.DIB)|*.bmp;*.dib|TIF File(*.TIF;*.TIFF)|*.tif;*.tiff|"
    "JPG File(*.JPG;*.JPEG)|*.jpg;*.jpeg|PNG File(*.PNG)|*.png|GIF File(*.GIF)|*.gif|"
    "PSD File(*.PSD)|*.psd|PCX File(*.PCX)|*.pcx|PCD File(*.PCD)|*.pcd|DCX File(*.DCX)|*.dcx|"
    "PIC File(*.PIC)|*.pic|TGA File(*.TGA)|*.tga||";
constexpr const char kSaveImageTitle[] = "Save Image As";

// The folder of the last chosen name, in the Windows profile (win.ini).
constexpr const char kProfileSection[] = "Folium";
constexpr const char kSaveImagePathKey[] = "SaveAsImagePath";
constexpr const char kDefaultSaveImagePath[] = "c:\\";
constexpr unsigned kSaveImagePathChars = 250;
// The filter selected when the dialog was last closed with OK, in the application profile.
constexpr const char kSaveImageFilterKey[] = "SaveAsImageFilter";

// Page i is written to the chosen name's base name followed by i in this format.
constexpr const char kPageNumberFormat[] = "%04d";
constexpr const char kEmfExtension[] = ".emf";
constexpr const char kBmpExtension[] = ".bmp";

// Temporary bitmaps of the other formats.
constexpr const char kTempBmpDirectory[] = "c:\\tmp";
constexpr const char kTempBmpPrefix[] = "temp";

// Status-bar text while pages are saved: the page (from 1) and the page count.
constexpr const char kSavingPageFormat[] = "Saving page %d of %d";
// After the export, when pages were not written: their number and the page count.
constexpr const char kPagesNotSavedFormat[] = "%d of %d pages could not be saved.";
// Follows it when the image-writer library is missing: where it was looked for.
constexpr const char kImageWriterMissingFormat[] =
    " The image writer \"%s\" is missing or damaged, so pages can be saved only as .emf or "
    ".bmp files. Install folium again to save them in other formats.";
