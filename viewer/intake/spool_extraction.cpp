#include "spool_extraction.h"

#include <windows.h>

#include <cstdint>
#include <new>

#include "ansi_code_page.h"
#include "formatted_text.h"
#include "message_box.h"
#include "page_file_io.h"
#include "page_file_name.h"
#include "path_parts.h"
#include "scoped_handle.h"
#include "spool_format.h"

namespace {

// The whole spool file as one read-only block of memory. A mapped view serves as the
// buffer: it holds the same bytes as reading the file into allocated memory, without
// copying them, and it fails the same way when there is no room in the address space.
class SpoolFileView {
 public:
  explicit SpoolFileView(const std::string& path)
      : m_file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr)) {}
  ~SpoolFileView() {
    if (m_view) UnmapViewOfFile(m_view);
    if (m_mapping) CloseHandle(m_mapping);
  }
  SpoolFileView(const SpoolFileView&) = delete;
  SpoolFileView& operator=(const SpoolFileView&) = delete;

  bool opened() const { return m_file.valid(); }

  // The file's length; 0 when it is empty or cannot be measured.
  std::uint64_t Length() const {
    DWORD high = 0;
    const DWORD low = GetFileSize(m_file.get(), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return 0;
    return (static_cast<std::uint64_t>(high) << 32) | low;
  }

  // Maps the whole file; nullptr when the address space has no room for it.
  const unsigned char* Map(std::uint64_t length) {
    if (length > SIZE_MAX) return nullptr;
    m_mapping = CreateFileMappingA(m_file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!m_mapping) return nullptr;
    m_view = MapViewOfFile(m_mapping, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(length));
    return static_cast<const unsigned char*>(m_view);
  }

 private:
  ScopedFileHandle m_file;
  HANDLE m_mapping = nullptr;
  void* m_view = nullptr;
};

}  // namespace

std::string TooManyPagesMessage(std::size_t kept) {
  return FormatText(kTooManyPagesFormat, static_cast<unsigned>(kept));
}

int ExtractSpoolPages(const std::string& spoolPath, const std::string& workDir,
                      PathList& pageFiles, UnwrittenPages* unwritten, CutMetafiles* made,
                      std::u16string* documentName) {
  if (spoolPath.empty() || workDir.empty()) return 0;
  PageSignature signature;
  if (!ReadSpoolSignature(spoolPath, signature)) return 0;

  int pageCount = 0;
  {
    SpoolFileView spool(spoolPath);
    if (!spool.opened()) return 0;
    const std::uint64_t length = spool.Length();
    if (length == 0) return 0;
    const unsigned char* bytes = spool.Map(length);
    if (!bytes) {
      ShowMessageBox(nullptr, kNoMemoryText, kNoMemoryCaption, MB_OK);
      return 0;
    }
    const std::size_t size = static_cast<std::size_t>(length);
    if (documentName && documentName->empty()) *documentName = SpoolDocumentName(bytes, size);
    JobPages job;
    try {
      job = SplitPages(FindPageStarts(bytes, size, signature), size, kMaxJobPages);
    } catch (const std::bad_alloc&) {
      ShowMessageBox(nullptr, kNoMemoryText, kNoMemoryCaption, MB_OK);
      return 0;
    }
    const std::string baseName = SplitPath(spoolPath, AnsiLeadBytes()).baseName;
    for (std::size_t k = 0; k < job.pages.size(); ++k) {
      std::string pagePath;
      // A page path that would not fit a path buffer is refused, not cut short.
      if (!JoinPath(workDir, PageFileName(baseName, static_cast<int>(k)), pagePath, AnsiLeadBytes()))
        continue;
      pageFiles.push_back(pagePath);
      const unsigned char* page = bytes + job.pages[k].offset;
      const PageWrite written = WritePageFile(pagePath, page, job.pages[k].size);
      if (written == PageWrite::cutShort) {
        // The disk is full: the pages cut so far are the job that can be shown.
        pageFiles.pop_back();
        if (unwritten) unwritten->count += static_cast<int>(job.pages.size() - k);
        break;
      }
      if (made && written == PageWrite::written) made->Make(pagePath, page, job.pages[k].size);
    }
    if (unwritten) unwritten->of += static_cast<int>(job.pages.size());
    pageCount = static_cast<int>(job.pages.size());
    if (job.cutShort && unwritten) unwritten->cappedAt = static_cast<int>(job.pages.size());
  }
  DeleteFileA(spoolPath.c_str());
  return pageCount;
}
