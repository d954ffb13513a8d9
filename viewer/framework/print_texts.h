#pragma once

// The printing loop's own texts.
constexpr char kPrintStatusCaption[] = "Printing";
constexpr char kPrintStatusPortFormat[] = "on %1";
constexpr char kPrintStatusPageFormat[] = "Page %u";
constexpr char kPrintStatusCancel[] = "Cancel";
constexpr char kStartPrintJobFailed[] = "Could not start print job.";

// The paper the preview shows without a printer, A4 in tenths of a millimetre.
constexpr int kA4WidthTenthsMm = 2100;
constexpr int kA4HeightTenthsMm = 2970;
