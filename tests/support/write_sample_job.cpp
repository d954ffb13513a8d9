// Writes a sample print job as the spooler stores it: write_sample_job PATH [PAGES [LINES]]
// (three pages unless told otherwise, each with LINES lines of body text, none by default;
// LINES written "+N" gives page i N times i lines, so each page's ink tells which it is).
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "spool_writer.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: write_sample_job PATH [PAGES [LINES]]\n");
    return 2;
  }
  const int pages = argc > 2 ? std::atoi(argv[2]) : 3;
  const bool rising = argc > 3 && argv[3][0] == '+';
  const int lines = argc > 3 ? std::atoi(argv[3] + (rising ? 1 : 0)) : 0;
  if (pages < 1 || lines < 0) {
    std::fprintf(stderr, "write_sample_job: PAGES must be at least 1, LINES at least 0\n");
    return 2;
  }
  try {
    WriteFileBytes(argv[1], BuildSpoolFile(MakeDrawnJob(pages, "Quillor sample job", lines, rising)));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "write_sample_job: %s\n", error.what());
    return 1;
  }
  std::printf("%s: %d pages\n", argv[1], pages);
  return 0;
}
