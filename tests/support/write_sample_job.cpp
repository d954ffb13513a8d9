// Writes a sample print job as the spooler stores it:
//   write_sample_job PATH [PAGES [LINES]]
// (three pages unless told otherwise, each with LINES lines of body text, none by default;
// LINES written "+N" gives page i N times i lines, so each page's ink tells which it is), or
//   write_sample_job PATH --pages NAME PAGE.emf...
// a job named NAME made of the given metafiles (real applications' pages).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "spool_writer.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: write_sample_job PATH [PAGES [LINES]] | PATH --pages NAME PAGE.emf...\n");
    return 2;
  }
  SpoolJob job;
  try {
    if (argc > 4 && std::strcmp(argv[2], "--pages") == 0) {
      job.documentName = argv[3];
      for (int i = 4; i < argc; ++i) job.pages.push_back(ReadFileBytes(argv[i]));
    } else {
      const int pages = argc > 2 ? std::atoi(argv[2]) : 3;
      const bool rising = argc > 3 && argv[3][0] == '+';
      const int lines = argc > 3 ? std::atoi(argv[3] + (rising ? 1 : 0)) : 0;
      if (pages < 1 || lines < 0) {
        std::fprintf(stderr, "write_sample_job: PAGES must be at least 1, LINES at least 0\n");
        return 2;
      }
      job = MakeDrawnJob(pages, "Quillor sample job", lines, rising);
    }
    WriteFileBytes(argv[1], BuildSpoolFile(job));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "write_sample_job: %s\n", error.what());
    return 1;
  }
  std::printf("%s: %u pages\n", argv[1], static_cast<unsigned>(job.pages.size()));
  return 0;
}
