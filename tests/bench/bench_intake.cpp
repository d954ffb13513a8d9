// Measures spool extraction against a plain file copy of the same spool file:
//   bench_intake generate PATH PAGES   writes a job of PAGES pages of about 100 KB each
//   bench_intake copy SRC DST          times CopyFileA
//   bench_intake extract SRC WORKDIR   times ExtractSpoolPages (SRC is consumed)
//   bench_intake create DIR COUNT      times creating COUNT empty files named as page files
// Each timing is printed as "seconds=<s>"; tools/bench-intake compares them.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "ansi_code_page.h"
#include "emf_pages.h"
#include "page_file_name.h"
#include "path_parts.h"
#include "spool_extraction.h"
#include "spool_writer.h"

namespace {

// A page of about 100 KB: a drawing plus a comment record of noise, as large scanned or
// image-heavy pages carry.
Bytes HeavyPage(int number, std::mt19937& random) {
  RECT frame = {0, 0, 21000, 29700};
  const HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  SetMapMode(dc, MM_HIMETRIC);
  const std::string label = "Page " + std::to_string(number);
  TextOutA(dc, 2000, -2000, label.c_str(), static_cast<int>(label.size()));
  Bytes noise(100000);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  GdiComment(dc, static_cast<UINT>(noise.size()), noise.data());
  const HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  Bytes bytes(GetEnhMetaFileBits(metafile, 0, nullptr));
  GetEnhMetaFileBits(metafile, static_cast<UINT>(bytes.size()), bytes.data());
  DeleteEnhMetaFile(metafile);
  return bytes;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Usage() {
  std::fprintf(stderr,
               "usage: bench_intake generate PATH PAGES | copy SRC DST | extract SRC WORKDIR | "
               "create DIR COUNT\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Usage();
  const std::string mode = argv[1];
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  if (mode == "generate") {
    std::mt19937 random(1);
    SpoolJob job;
    const int pages = std::atoi(argv[3]);
    for (int i = 1; i <= pages; ++i) job.pages.push_back(HeavyPage(i, random));
    WriteFileBytes(argv[2], BuildSpoolFile(job));
    return 0;
  }
  if (mode == "copy") {
    QueryPerformanceCounter(&start);
    const BOOL copied = CopyFileA(argv[2], argv[3], FALSE);
    QueryPerformanceCounter(&end);
    std::printf("seconds=%.3f\n", Seconds(start, end));
    return copied ? 0 : 1;
  }
  if (mode == "extract") {
    PathList pages;
    QueryPerformanceCounter(&start);
    const int count = ExtractSpoolPages(argv[2], argv[3], pages);
    QueryPerformanceCounter(&end);
    std::printf("seconds=%.3f\npages=%d\n", Seconds(start, end), count);
    return count > 0 ? 0 : 1;
  }
  if (mode == "create") {
    const int count = std::atoi(argv[3]);
    QueryPerformanceCounter(&start);
    for (int k = 0; k < count; ++k) {
      std::string path;
      JoinPath(argv[2], PageFileName("job", k), path, AnsiLeadBytes());
      CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    QueryPerformanceCounter(&end);
    std::printf("seconds=%.3f\n", Seconds(start, end));
    return 0;
  }
  return Usage();
}
