#pragma once

// The printing loop's own texts.
constexpr char kPrintStatusCaption[] = "Printing";
constexpr char kPrintStatusPortFormat[] = "on %1";
constexpr char kPrintStatusPageFormat[] = "Page %u";
constexpr char kPrintStatusCancel[] = "Cancel";
constexpr char kStartPrintJobFailed[] = "Could not start print job.";
// A job the printer stopped taking: the printer, the pages it took, the pages of the job.
constexpr char kPrintJobStoppedFormat[] =
    "Printing on \"%s\" stopped after %u of %u pages: the printer is no longer there or "
    "refused the job. Check the printer, then print again.";
// A job whose pages were all sent but that the printer would not take in the end.
constexpr char kPrintJobRefusedFormat[] =
    "The printer \"%s\" did not take the job of %u pages: it is no longer there or refuses "
    "jobs. Check the printer, then print again.";

// Between the fronts and the backs of a job printed on both sides by hand.
constexpr char kTurnStackText[] =
    "Turn the printed pages over and put them back in the tray, then press OK";

// The paper the preview shows without a printer, A4 in tenths of a millimetre.
constexpr int kA4WidthTenthsMm = 2100;
constexpr int kA4HeightTenthsMm = 2970;
