#include "print_job.h"

namespace {

const PrintJobCalls kSystemCalls = {StartDocA, StartPage, EndPage, EndDoc, AbortDoc};
const PrintJobCalls* g_calls = &kSystemCalls;

}  // namespace

const PrintJobCalls& CurrentPrintJobCalls() { return *g_calls; }

const PrintJobCalls* SetPrintJobCalls(const PrintJobCalls* calls) {
  const PrintJobCalls* previous = g_calls;
  g_calls = calls ? calls : &kSystemCalls;
  return previous;
}
