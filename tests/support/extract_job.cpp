// Cuts a spool file into page files and lists each page as the viewer would load it:
//   extract_job SPOOLFILE WORKDIR
// The spool file is consumed, as the viewer consumes its private copy.
#include <cstdio>

#include "page_store.h"
#include "spool_extraction.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: extract_job SPOOLFILE WORKDIR\n");
    return 2;
  }
  CPageStore store;
  const int pages = ExtractSpoolPages(argv[1], argv[2], store.m_pageFiles);
  std::printf("%d pages found in %s\n", pages, argv[1]);
  for (const std::string& path : store.m_pageFiles) {
    PageEntry entry;
    if (store.LoadPageFile(path, entry)) {
      std::printf("  %s  %d x %d display pixels\n", path.c_str(), entry.nWidth, entry.nHeight);
      store.m_pages.push_back(entry);
    } else {
      std::printf("  %s  (not loadable)\n", path.c_str());
    }
  }
  return pages > 0 ? 0 : 1;
}
