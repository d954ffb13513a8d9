#include "spool_extraction.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "message_box.h"
#include "page_file_name.h"
#include "path_parts.h"
#include "scoped_handle.h"
#include "spool_format.h"

namespace {

// ReadFile and WriteFile take a DWORD; large files move in pieces of this size.
constexpr DWORD kIoChunk = 64u << 20;

using SpoolBuffer = std::unique_ptr<unsigned char, decltype(&std::free)>;

bool ReadWhole(HANDLE file, unsigned char* buffer, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size - done, kIoChunk));
    DWORD read = 0;
    if (!ReadFile(file, buffer + done, piece, &read, nullptr) || read == 0) return false;
    done += read;
  }
  return true;
}

void WritePageFile(const std::string& path, const unsigned char* bytes, std::size_t size) {
  ScopedFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return;
  std::size_t done = 0;
  while (done < size) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(size - done, kIoChunk));
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes + done, piece, &written, nullptr) || written == 0) return;
    done += written;
  }
}

// The whole spool file in one buffer; an empty buffer when it cannot be read.
SpoolBuffer LoadSpoolFile(const std::string& spoolPath, std::size_t& length) {
  SpoolBuffer none(nullptr, &std::free);
  ScopedFileHandle file(CreateFileA(spoolPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return none;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0) return none;

  // A file larger than the address space cannot be held; that is the same failure as
  // a refused allocation.
  const bool fits = static_cast<std::uint64_t>(size.QuadPart) <= PTRDIFF_MAX;
  SpoolBuffer buffer(
      fits ? static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(size.QuadPart)))
           : nullptr,
      &std::free);
  if (!buffer) {
    ShowMessageBox(nullptr, kNoMemoryText, kNoMemoryCaption, MB_OK);
    return none;
  }
  length = static_cast<std::size_t>(size.QuadPart);
  if (!ReadWhole(file.get(), buffer.get(), length)) return none;
  return buffer;
}

}  // namespace

int ExtractSpoolPages(const std::string& spoolPath, const std::string& workDir,
                      PathList& pageFiles) {
  if (spoolPath.empty() || workDir.empty()) return 0;
  PageSignature signature;
  if (!ReadSpoolSignature(spoolPath, signature)) return 0;

  std::size_t length = 0;
  SpoolBuffer spool = LoadSpoolFile(spoolPath, length);
  if (!spool) return 0;

  const std::vector<std::size_t> starts = FindPageStarts(spool.get(), length, signature);
  const std::string baseName = SplitPath(spoolPath).baseName;
  for (std::size_t k = 0; k < starts.size(); ++k) {
    std::string pagePath;
    // A page path that would not fit a path buffer is refused, not cut short.
    if (!JoinPath(workDir, PageFileName(baseName, static_cast<int>(k)), pagePath)) continue;
    pageFiles.push_back(pagePath);
    const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : length;
    WritePageFile(pagePath, spool.get() + starts[k], end - starts[k]);
  }

  spool.reset();
  DeleteFileA(spoolPath.c_str());
  return static_cast<int>(starts.size());
}
