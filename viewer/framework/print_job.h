#pragma once

#include <windows.h>

// The spooler's job calls the printing loop makes, replaceable so that tests can print
// into a memory device context and make the printer refuse a job.
struct PrintJobCalls {
  int(WINAPI* startDoc)(HDC dc, const DOCINFOA* info);
  int(WINAPI* startPage)(HDC dc);
  int(WINAPI* endPage)(HDC dc);
  int(WINAPI* endDoc)(HDC dc);
  int(WINAPI* abortDoc)(HDC dc);
};

const PrintJobCalls& CurrentPrintJobCalls();
// Installs replacements (nullptr restores the system's) and returns the previous ones.
const PrintJobCalls* SetPrintJobCalls(const PrintJobCalls* calls);
