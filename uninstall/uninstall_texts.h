#pragma once

// The uninstaller's one message: what could not be removed and what to do.
constexpr const char kReportCaption[] = "Quillor Printer";
constexpr const char kReportText[] =
    "Quillor Printer could not be removed completely. These parts are still installed:\n\n%s\n"
    "Close every program that prints, then remove Quillor Printer again.";
constexpr const char kReportLine[] = "- %s (error %lu)\n";

// The parts, as the report names them.
constexpr const char kPrinterPart[] = "the printer \"%s\"";
constexpr const char kDriverPart[] = "the printer driver \"%s\"";
constexpr const char kProcessorPart[] = "the print processor \"%s\"";
constexpr const char kPortPart[] = "the port \"%s\"";
constexpr const char kMonitorPart[] = "the port monitor \"%s\"";
constexpr const char kEntryPart[] = "the entry \"%s\" in the list of installed programs";
constexpr const char kFilePart[] = "the file %s";
constexpr const char kSystemFolderPart[] = "the files in the system folder, which could not be found";
