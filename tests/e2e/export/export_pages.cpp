// Writes page files as numbered images the way "Save As..." does:
//   export_pages CHOSEN_PATH [--pages N] PAGE_FILE...
// and prints the page count, the number of pages not written and the seconds it took.
// With --pages the page files are repeated to a job of N pages (a long job's list would
// not fit a command line).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "page_export.h"

namespace {

double Seconds() {
  LARGE_INTEGER frequency;
  LARGE_INTEGER now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: export_pages CHOSEN_PATH [--pages N] PAGE_FILE...\n");
    return 2;
  }
  const bool repeated = argc > 3 && std::strcmp(argv[2], "--pages") == 0;
  const PathList given(argv + (repeated ? 4 : 2), argv + argc);
  PathList pageFiles = given;
  if (repeated && !given.empty()) {
    pageFiles.clear();
    for (int i = 0; i < std::atoi(argv[3]); ++i) pageFiles.push_back(given[i % given.size()]);
  }
  const double start = Seconds();
  const ExportSummary summary = ExportPages(pageFiles, argv[1], nullptr);
  std::printf("pages=%d failed=%d seconds=%.3f\n", summary.pageCount, summary.failedPages,
              Seconds() - start);
  return 0;
}
