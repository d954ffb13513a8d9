#include "queue_purge.h"

#include <winspool.h>

#include <memory>
#include <new>
#include <string>

#include "message_box.h"

namespace {

const SpoolerCalls kWinspoolCalls = {OpenPrinterA, GetPrinterA, EnumJobsA, SetJobA,
                                     ClosePrinter};

SpoolerCalls g_spooler = kWinspoolCalls;

// The open printer, closed once on every path.
class ScopedPrinter {
 public:
  ScopedPrinter() = default;
  ~ScopedPrinter() {
    if (m_printer) g_spooler.closePrinter(m_printer);
  }
  ScopedPrinter(const ScopedPrinter&) = delete;
  ScopedPrinter& operator=(const ScopedPrinter&) = delete;

  HANDLE* out() { return &m_printer; }
  HANDLE get() const { return m_printer; }

 private:
  HANDLE m_printer = nullptr;
};

using Buffer = std::unique_ptr<BYTE[]>;

// A zero-filled buffer; empty when memory runs out.
Buffer ZeroedBuffer(DWORD size) { return Buffer(new (std::nothrow) BYTE[size ? size : 1]()); }

// The size a call asked for with no buffer, when it failed for lack of room (or
// succeeded with nothing to return); false for any other failure.
bool SizeAsked(BOOL succeeded) {
  return succeeded || GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

}  // namespace

SpoolerCalls SetSpoolerCalls(const SpoolerCalls* calls) {
  const SpoolerCalls previous = g_spooler;
  g_spooler = calls ? *calls : kWinspoolCalls;
  return previous;
}

bool DeleteQueuedJobs(HWND owner) {
  // The call takes the name as a writable string.
  std::string name = kQueuePrinterName;
  ScopedPrinter printer;
  if (!g_spooler.openPrinter(&name[0], printer.out(), nullptr) || !printer.get()) {
    ShowMessageBox(owner, kOpenPrinterFailedText, kOpenPrinterFailedCaption, MB_OK);
    return false;
  }

  DWORD printerSize = 0;
  if (!SizeAsked(g_spooler.getPrinter(printer.get(), 2, nullptr, 0, &printerSize))) return false;
  // A record too small to hold PRINTER_INFO_2 cannot be read safely.
  if (printerSize < sizeof(PRINTER_INFO_2A)) return false;
  Buffer printerInfo = ZeroedBuffer(printerSize);
  if (!printerInfo ||
      !g_spooler.getPrinter(printer.get(), 2, printerInfo.get(), printerSize, &printerSize))
    return false;
  const DWORD queued = reinterpret_cast<const PRINTER_INFO_2A*>(printerInfo.get())->cJobs;

  DWORD jobsSize = 0;
  DWORD returned = 0;
  if (!SizeAsked(
          g_spooler.enumJobs(printer.get(), 0, queued, 2, nullptr, 0, &jobsSize, &returned)))
    return false;
  const DWORD jobsAllocated = jobsSize;
  Buffer jobs = ZeroedBuffer(jobsAllocated);
  returned = 0;
  if (!jobs || !g_spooler.enumJobs(printer.get(), 0, queued, 2, jobs.get(), jobsAllocated,
                                   &jobsSize, &returned))
    return false;
  // Only records that lie inside the buffer are read, whatever count the spooler reports.
  const DWORD fitting = jobsAllocated / sizeof(JOB_INFO_2A);
  const auto* records = reinterpret_cast<const JOB_INFO_2A*>(jobs.get());
  for (DWORD i = 0; i < returned && i < fitting; ++i) {
    g_spooler.setJob(printer.get(), records[i].JobId, 0, nullptr, JOB_CONTROL_DELETE);
  }
  return true;
}
