#pragma once

#include <windows.h>

constexpr const char kQueuePrinterName[] = "Quillor Printer";
constexpr const char kOpenPrinterFailedText[] = "Could not open printer";
constexpr const char kOpenPrinterFailedCaption[] = "Error";

// The spooler calls the purge makes; tests replace them to script a queue.
struct SpoolerCalls {
  BOOL(WINAPI* openPrinter)(LPSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSA defaults);
  BOOL(WINAPI* getPrinter)(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size,
                           LPDWORD needed);
  BOOL(WINAPI* enumJobs)(HANDLE printer, DWORD firstJob, DWORD jobCount, DWORD level,
                         LPBYTE buffer, DWORD size, LPDWORD needed, LPDWORD returned);
  BOOL(WINAPI* setJob)(HANDLE printer, DWORD jobId, DWORD level, LPBYTE info, DWORD command);
  BOOL(WINAPI* closePrinter)(HANDLE printer);
};

// Installs replacement calls (nullptr restores winspool's) and returns the previous ones.
SpoolerCalls SetSpoolerCalls(const SpoolerCalls* calls);

// Deletes every job queued on "Quillor Printer". True when the queue was read and a
// delete was issued for each job. A printer that cannot be opened is reported in a
// message box owned by `owner` (none when null); other failures are silent.
bool DeleteQueuedJobs(HWND owner);
