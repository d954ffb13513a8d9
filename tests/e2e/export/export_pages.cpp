// Writes page files as numbered images the way "Save As..." does:
//   export_pages CHOSEN_PATH PAGE_FILE...
// and prints the page count and the number of pages not written.
#include <cstdio>

#include "page_export.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: export_pages CHOSEN_PATH PAGE_FILE...\n");
    return 2;
  }
  const PathList pageFiles(argv + 2, argv + argc);
  const ExportSummary summary = ExportPages(pageFiles, argv[1], nullptr);
  std::printf("pages=%d failed=%d\n", summary.pageCount, summary.failedPages);
  return 0;
}
