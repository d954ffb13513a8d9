#pragma once

// The printing loop's own texts.
constexpr char kPrintStatusCaption[] = "Printing";
constexpr char kPrintStatusPortFormat[] = "on %1";
constexpr char kPrintStatusPageFormat[] = "Page %u";
constexpr char kPrintStatusCancel[] = "Cancel";
constexpr char kStartPrintJobFailed[] = "Could not start print job.";
