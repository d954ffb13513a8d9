// Where the time of loading a large job goes, step by step, and the page store's whole
// reload of the same job, against floors measured in the same process:
//   bench_reload job PAGES [EMF_DIR]   writes spool job 00001.SPL of PAGES pages into the
//                                      spool directory: the EMF_DIR pages repeated, or
//                                      drawn pages
//   bench_reload job9x PAGES [EMF_DIR] the same job's pages as "~emf*.tmp" files in the
//                                      temporary directory, as the 9x family spools them
//   bench_reload steps WORKDIR         times each step on that job (the job stays); the
//                                      load from the page files is timed beside the
//                                      load of the metafiles made while cutting
//   bench_reload store WORKDIR         times CPageStore's start-up reload and a hand-over
//                                      reload of the same job; prints private memory
// Figures are printed as "name=value" lines; tools/bench-reload lays them out.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ansi_code_page.h"
#include "app/app_names.h"
#include "emf_pages.h"
#include "file_search.h"
#include "job_discovery.h"
#include "message_box.h"
#include "page_file_name.h"
#include "page_store.h"
#include "path_parts.h"
#include "spool_extraction.h"
#include "spool_format.h"
#include "spool_writer.h"

namespace {

class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&m_start); }
  double Seconds() const {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - m_start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER m_start;
};

void Report(const char* name, double seconds) { std::printf("%s=%.3f\n", name, seconds); }

std::string SpoolJobPath() {
  char windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows, length) + "\\system32\\spool\\PRINTERS\\00001.SPL";
}

// The same job as the 9x family spools it: one "~emf*.tmp" metafile a page in the
// temporary directory.
int Write9xJob(const SpoolJob& job) {
  const std::string temp = TemporaryDirectory();
  DeleteMatchingFiles(temp, "~emf*.tmp");
  for (std::size_t k = 0; k < job.pages.size(); ++k)
    WriteFileBytes(temp + "~emf" + std::to_string(k) + ".tmp", job.pages[k]);
  return 0;
}

int WriteJob(int pages, const char* emfDirectory, bool win9x) {
  SpoolJob job;
  if (emfDirectory) {
    PathList sources;
    ListMatchingFiles(emfDirectory, "*.emf", sources);
    if (sources.empty()) return 1;
    for (int i = 0; i < pages; ++i) job.pages.push_back(ReadFileBytes(sources[i % sources.size()]));
  } else {
    job = MakeDrawnJob(pages);
  }
  if (win9x) return Write9xJob(job);
  WriteFileBytes(SpoolJobPath(), BuildSpoolFile(job));
  return 0;
}

std::string Joined(const std::string& directory, const std::string& name) {
  std::string path;
  JoinPath(directory, name, path, AnsiLeadBytes());
  return path;
}

// A box would wait for a user the benchmark does not have (no memory for a job, say): its
// text is printed and it is taken as answered, as is what a job cut short is told.
int PrintedBox(HWND, const char* text, const char*, UINT) {
  std::printf("message=%s\n", text);
  return IDOK;
}

// Each step the store takes, on its own, in the order it takes them.
int TimeSteps(const std::string& workDir) {
  const std::string spool = SpoolJobPath();
  const std::string incoming = Joined(workDir, kSecuredJobFolder);
  const std::string copy = Joined(incoming, "00001.SPL");
  CreateDirectoryA(workDir.c_str(), nullptr);
  CreateDirectoryA(incoming.c_str(), nullptr);

  Stopwatch copyClock;
  CopyFileA(spool.c_str(), copy.c_str(), FALSE);
  Report("copy", copyClock.Seconds());

  const Bytes spoolBytes = ReadFileBytes(copy);
  PageSignature signature;
  ReadSpoolSignature(copy, signature);
  Stopwatch scanClock;
  const std::vector<std::size_t> starts =
      FindPageStarts(spoolBytes.data(), spoolBytes.size(), signature);
  Report("scan", scanClock.Seconds());
  std::printf("spool_bytes=%zu\npages_found=%zu\n", spoolBytes.size(), starts.size());

  PathList pageFiles;
  CutMetafiles made;
  Stopwatch cutClock;
  UnwrittenPages unwritten;
  ExtractSpoolPages(copy, workDir, pageFiles, &unwritten, &made);
  Report("cut", cutClock.Seconds());
  if (unwritten.cappedAt > 0)
    std::printf("message=%s\n", TooManyPagesMessage(unwritten.cappedAt).c_str());
  std::printf("page_files=%zu\n", pageFiles.size());

  CPageStore store;
  store.m_pageFiles = pageFiles;
  Stopwatch loadClock;
  store.LoadPages(pageFiles, &made);
  Report("load", loadClock.Seconds());
  Stopwatch releaseClock;
  store.ReleaseAllPages();
  Report("release", releaseClock.Seconds());
  // Loading the same page files, as pages beyond the in-memory budget are.
  Stopwatch fileLoadClock;
  store.LoadAllPages();
  Report("load_files", fileLoadClock.Seconds());
  store.ReleaseAllPages();

  Stopwatch sweepClock;
  DeleteMatchingFiles(workDir, kPageFilePattern);
  Report("sweep", sweepClock.Seconds());

  // The platform's floors for this many page files: creating them empty, and creating
  // them with the pages' bytes, as the job's page files must be.
  const JobPages job = SplitPages(starts, spoolBytes.size(), kMaxJobPages);
  for (const bool withBytes : {false, true}) {
    Stopwatch createClock;
    for (std::size_t k = 0; k < pageFiles.size(); ++k) {
      const std::string path = Joined(incoming, PageFileName("00001", static_cast<int>(k)));
      const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
      DWORD written = 0;
      if (withBytes)
        WriteFile(file, spoolBytes.data() + job.pages[k].offset,
                  static_cast<DWORD>(job.pages[k].size), &written, nullptr);
      CloseHandle(file);
    }
    Report(withBytes ? "floor_write" : "floor_create", createClock.Seconds());
    DeleteMatchingFiles(incoming, kPageFilePattern);
  }
  RemoveDirectoryA(incoming.c_str());
  return 0;
}

// Private bytes now, as the system counts them for this process.
std::size_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters;
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return counters.PagefileUsage;
}

int TimeStore(const std::string& workDir) {
  CreateDirectoryA(workDir.c_str(), nullptr);
  const std::size_t before = PrivateBytes();
  CPageStore store;
  store.m_strWorkDir = workDir;
  Stopwatch startClock;
  const int pages = store.ReloadJob();
  Report("start_reload", startClock.Seconds());
  std::printf("pages_loaded=%d\n", pages);
  std::printf("private_after_start=%zu\n", PrivateBytes() - before);
  Stopwatch handOverClock;
  store.SecureJob();
  store.AdoptSecuredJob();
  Report("hand_over_reload", handOverClock.Seconds());
  std::printf("private_after_hand_over=%zu\n", PrivateBytes() - before);
  store.ReleaseAllPages();
  DeleteMatchingFiles(workDir, kPageFilePattern);
  store.DiscardSecuredJob();
  return pages > 0 ? 0 : 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: bench_reload job|job9x PAGES [EMF_DIR] | steps WORKDIR | store WORKDIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  SetMessageBoxHook(PrintedBox);
  const std::string mode = argv[1];
  if (mode == "job" || mode == "job9x")
    return WriteJob(std::atoi(argv[2]), argc > 3 ? argv[3] : nullptr, mode == "job9x");
  if (mode == "steps") return TimeSteps(argv[2]);
  if (mode == "store") return TimeStore(argv[2]);
  return Usage();
}
