// Writes page files as numbered images the way "Save As..." does:
//   export_pages CHOSEN_PATH PAGE_FILE...
// and prints the page count, the number of pages not written and the seconds it took.
#include <windows.h>

#include <cstdio>

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
    std::fprintf(stderr, "usage: export_pages CHOSEN_PATH PAGE_FILE...\n");
    return 2;
  }
  const PathList pageFiles(argv + 2, argv + argc);
  const double start = Seconds();
  const ExportSummary summary = ExportPages(pageFiles, argv[1], nullptr);
  std::printf("pages=%d failed=%d seconds=%.3f\n", summary.pageCount, summary.failedPages,
              Seconds() - start);
  return 0;
}
