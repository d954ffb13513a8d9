#include "job_discovery.h"

#include <windows.h>

#include <vector>

#include "ansi_code_page.h"
#include "file_search.h"
#include "page_file_io.h"
#include "page_file_name.h"
#include "path_parts.h"
#include "scoped_handle.h"
#include "spool_extraction.h"
#include "spool_format.h"
#include "windows_family.h"

namespace {

// The system calls fill buffers of this size (room for 254 characters and the 0).
constexpr DWORD kDirectoryBuffer = 255;
constexpr char kSpoolSubdirectory[] = "\\system32\\spool\\PRINTERS\\";
constexpr char kSpoolPattern[] = "*.SPL";
constexpr char kWin9xPagePattern[] = "~emf*.tmp";
constexpr char kPagePattern[] = "*.emf";
constexpr char kSpoolCopyPattern[] = "*.spl";

long long FileTimeToSeconds(const FILETIME& time) {
  ULARGE_INTEGER ticks;
  ticks.LowPart = time.dwLowDateTime;
  ticks.HighPart = time.dwHighDateTime;
  constexpr unsigned long long kTicksPerSecond = 10000000ull;
  constexpr unsigned long long kUnixEpochTicks = 116444736000000000ull;
  return static_cast<long long>(ticks.QuadPart / kTicksPerSecond) -
         static_cast<long long>(kUnixEpochTicks / kTicksPerSecond);
}

bool ReadFileSystemTime(const std::string& path, long long& seconds) {
  // A find rather than GetFileAttributesExA, which the first Windows 95 lacks.
  WIN32_FIND_DATAA status;
  ScopedFindHandle found(FindFirstFileA(path.c_str(), &status));
  if (!found.valid()) return false;
  const FILETIME& created = status.ftCreationTime;
  const bool recorded = created.dwLowDateTime != 0 || created.dwHighDateTime != 0;
  seconds = FileTimeToSeconds(recorded ? created : status.ftLastWriteTime);
  return true;
}

FileTimeReader g_fileTimeReader = ReadFileSystemTime;

std::string SpoolDirectory() {
  char windows[kDirectoryBuffer];
  const UINT length = GetWindowsDirectoryA(windows, kDirectoryBuffer);
  if (length == 0 || length >= kDirectoryBuffer) return std::string();
  std::string directory = std::string(windows, length);
  if (EndsWithSeparator(directory, AnsiLeadBytes())) directory.pop_back();
  return directory + kSpoolSubdirectory;
}

// The spool file created last: ties keep the earlier candidate; times of 0 or less and
// unreadable files are never chosen. -1 when none qualifies.
int NewestCandidate(const PathList& candidates) {
  long long bestTime = 0;
  int choice = -1;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    long long seconds = 0;
    if (!g_fileTimeReader(candidates[i], seconds)) continue;
    if (seconds > bestTime) {
      bestTime = seconds;
      choice = static_cast<int>(i);
    }
  }
  return choice;
}

// Copies a spool file into `directory` under its own name; "" if the destination would
// not fit a path buffer. The copy's path is returned even when the copy fails: extraction
// then finds nothing to read.
std::string CopyInto(const std::string& spoolFile, const std::string& directory) {
  const PathParts parts = SplitPath(spoolFile, AnsiLeadBytes());
  std::string copy;
  if (directory.empty() || !JoinPath(directory, parts.baseName + parts.extension, copy, AnsiLeadBytes()))
    return std::string();
  CopyFileA(spoolFile.c_str(), copy.c_str(), FALSE);
  return copy;
}

// Copies the job's spool file into `directory`: the newest, or with no creation time to
// go by every one, all copied before any is cut. Returns the candidates found.
int CopyNtSpoolFiles(const std::string& spoolDir, const std::string& directory,
                     PathList& copies) {
  PathList candidates;
  ListMatchingFiles(spoolDir, kSpoolPattern, candidates);
  const int newest = NewestCandidate(candidates);
  if (newest >= 0) {
    copies.push_back(CopyInto(candidates[newest], directory));
  } else {
    for (const std::string& candidate : candidates) copies.push_back(CopyInto(candidate, directory));
  }
  return static_cast<int>(candidates.size());
}

// Copies each page through memory, so that its metafile is made from the bytes read once.
// A job beyond the page cap keeps its first pages, as a cut spool file does.
int DiscoverWin9xPages(const std::string& tempDir, const std::string& workDir,
                       PathList& pageFiles, UnwrittenPages* unwritten, CutMetafiles* made) {
  PathList candidates;
  ListMatchingFiles(tempDir, kWin9xPagePattern, candidates);
  const int found = static_cast<int>(candidates.size());
  if (candidates.size() > kMaxJobPages) {
    candidates.resize(kMaxJobPages);
    if (unwritten) unwritten->cappedAt = static_cast<int>(kMaxJobPages);
  }
  std::vector<unsigned char> page;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const std::string name =
        PageFileName(SplitPath(candidates[i], AnsiLeadBytes()).baseName, static_cast<int>(i));
    std::string destination;
    if (!JoinPath(workDir, name, destination, AnsiLeadBytes())) continue;
    pageFiles.push_back(destination);
    // A page that cannot be read or written whole is listed without a file: loading
    // leaves it out.
    if (ReadPageBytes(candidates[i], page) &&
        WritePageFile(destination, page.data(), page.size()) == PageWrite::written && made)
      made->Make(destination, page.data(), page.size());
  }
  return found;
}

int DiscoverNtPages(const std::string& spoolDir, const std::string& tempDir,
                    const std::string& workDir, PathList& pageFiles,
                    UnwrittenPages* unwritten, CutMetafiles* made, std::u16string* documentName) {
  PathList copies;
  const int found = CopyNtSpoolFiles(spoolDir, tempDir, copies);
  for (const std::string& copy : copies)
    ExtractSpoolPages(copy, workDir, pageFiles, unwritten, made, documentName);
  return found;
}

}  // namespace

FileTimeReader SetFileTimeReader(FileTimeReader reader) {
  FileTimeReader previous = g_fileTimeReader;
  g_fileTimeReader = reader ? reader : ReadFileSystemTime;
  return previous;
}

std::string TemporaryDirectory() {
  char temp[kDirectoryBuffer];
  const DWORD length = GetTempPathA(kDirectoryBuffer, temp);
  if (length == 0 || length >= kDirectoryBuffer) return std::string();
  return WithTrailingBackslash(std::string(temp, length), AnsiLeadBytes());
}

int DiscoverJob(const std::string& workDir, PathList& pageFiles, UnwrittenPages* unwritten,
                CutMetafiles* made, std::u16string* documentName) {
  if (workDir.empty()) return 0;
  const std::string tempDir = TemporaryDirectory();
  const DWORD version = CurrentVersionWord();
  const std::string spoolDir = IsWinNT(version) ? SpoolDirectory() : std::string();

  DeleteMatchingFiles(tempDir, kPagePattern);
  DeleteMatchingFiles(tempDir, kSpoolCopyPattern);
  DeleteMatchingFiles(workDir, kPagePattern);

  if (IsWin95(version) || IsWin98(version))
    return DiscoverWin9xPages(tempDir, workDir, pageFiles, unwritten, made);
  return DiscoverNtPages(spoolDir, tempDir, workDir, pageFiles, unwritten, made, documentName);
}

int SecureJobFiles(const std::string& securedDir, PathList& spoolCopies, PathList& pageFiles,
                   UnwrittenPages* unwritten, CutMetafiles* made) {
  if (securedDir.empty()) return 0;
  const DWORD version = CurrentVersionWord();
  if (IsWin95(version) || IsWin98(version))
    return DiscoverWin9xPages(TemporaryDirectory(), securedDir, pageFiles, unwritten, made);
  return CopyNtSpoolFiles(SpoolDirectory(), securedDir, spoolCopies);
}
