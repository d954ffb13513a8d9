#include "page_store.h"

#include <algorithm>
#include <memory>
#include <new>

#include "ansi_code_page.h"
#include "app/app_names.h"
#include "file_search.h"
#include "formatted_text.h"
#include "job_discovery.h"
#include "message_box.h"
#include "page_frame.h"
#include "page_header.h"
#include "page_playback.h"
#include "path_parts.h"
#include "program_directory.h"
#include "spool_extraction.h"
#include "spool_format.h"

namespace {

void SystemDeleteMetafile(HENHMETAFILE metafile) { DeleteEnhMetaFile(metafile); }

MetafileDeleter g_deleteMetafile = SystemDeleteMetafile;

// The spool file copies of a secured job.
constexpr char kSpoolFilePattern[] = "*.spl";
// Names tried for a gathered page file before it is left out.
constexpr int kMaxNameCopies = 999;

// The frame of a metafile the platform loaded; false unless its header record is an
// enhanced metafile's, as the page file check demands.
bool LoadedFrame(HENHMETAFILE metafile, RECTL& frame) {
  ENHMETAHEADER header;
  if (GetEnhMetaFileHeader(metafile, sizeof header, &header) < kMinEmfHeaderBytes) return false;
  if (header.iType != kEmrHeaderType || header.dSignature != kEnhMetaSignature) return false;
  frame = header.rclFrame;
  return true;
}

}  // namespace

bool PageSizeInPixels(const RECTL& frame, const DisplayMetrics& metrics, int& width,
                      int& height) {
  return PageSizeInPixels(PageFrame{frame.left, frame.top, frame.right, frame.bottom}, metrics,
                          width, height);
}

MetafileDeleter SetMetafileDeleter(MetafileDeleter deleter) {
  MetafileDeleter previous = g_deleteMetafile;
  g_deleteMetafile = deleter ? deleter : SystemDeleteMetafile;
  return previous;
}

CPageStore::CPageStore() : m_strBlankFile(ProgramDirectory() + kBlankPageFile) {}

CPageStore::~CPageStore() { ReleaseAllPages(); }

bool CPageStore::LoadPageFile(const std::string& path, PageEntry& entry) {
  DisplayMetrics metrics;
  return ReadDisplayMetrics(metrics) && LoadPageFile(path, metrics, entry);
}

bool CPageStore::LoadPageFile(const std::string& path, const DisplayMetrics& metrics,
                              PageEntry& entry) {
  return AdoptPageMetafile(path, LoadCheckedMetafile(path), metrics, entry);
}

bool CPageStore::AdoptPageMetafile(const std::string& path, HENHMETAFILE metafile,
                                   const DisplayMetrics& metrics, PageEntry& entry) {
  // The frame comes from the header the platform has just read and checked; the file's
  // own header is read only when the platform refuses the page.
  RECTL frame;
  const bool framed = metafile ? LoadedFrame(metafile, frame) : ReadPageFrame(path, frame);
  int width = 0;
  int height = 0;
  if (!framed || !PageSizeInPixels(frame, metrics, width, height)) {
    if (metafile) DeleteEnhMetaFile(metafile);
    return false;
  }
  entry.nWidth = width;
  entry.nHeight = height;
  entry.hMetaFile = metafile;
  return true;
}

bool CPageStore::LoadBlankPage(PageEntry& entry) { return LoadPageFile(m_strBlankFile, entry); }

int CPageStore::LoadAllPages() { return LoadPages(m_pageFiles); }

int CPageStore::LoadPages(const PathList& files, CutMetafiles* made) {
  // The display is asked once per job, not once per page: each asking costs a round trip.
  DisplayMetrics metrics;
  if (!ReadDisplayMetrics(metrics)) return static_cast<int>(m_pages.size());
  for (const std::string& path : files) {
    PageEntry entry;
    const HENHMETAFILE cut = made ? made->Take(path) : nullptr;
    if (!(cut ? AdoptPageMetafile(path, cut, metrics, entry)
              : LoadPageFile(path, metrics, entry)))
      continue;
    try {
      m_pages.push_back(entry);
    } catch (const std::bad_alloc&) {
      // The pages loaded so far are shown; the user hears why the rest are not.
      if (entry.hMetaFile) g_deleteMetafile(entry.hMetaFile);
      ShowMessageBox(nullptr, kNoMemoryText, kNoMemoryCaption, MB_OK);
      break;
    }
  }
  return static_cast<int>(m_pages.size());
}

void CPageStore::ReleaseAllPages() {
  for (const PageEntry& page : m_pages) {
    if (page.hMetaFile) g_deleteMetafile(page.hMetaFile);
  }
  m_pages.clear();
}

void CPageStore::InsertBlankPage(int index) {
  if (index < 0 || index > static_cast<int>(m_pages.size())) return;
  PageEntry entry;
  if (!LoadBlankPage(entry)) {
    ShowStoreMessage(LoadBlankFailedMessage(m_strBlankFile));
    return;
  }
  m_pages.insert(m_pages.begin() + index, entry);
}

void CPageStore::DeletePage(int index) {
  if (index < 0 || index >= static_cast<int>(m_pages.size())) return;
  if (m_pages[index].hMetaFile) g_deleteMetafile(m_pages[index].hMetaFile);
  m_pages.erase(m_pages.begin() + index);
}

bool CPageStore::MovePage(int from, int to) {
  const int count = static_cast<int>(m_pages.size());
  if (from < 0 || from >= count || to < 0 || to >= count) return false;
  const auto first = m_pages.begin();
  if (from < to) {
    std::rotate(first + from, first + from + 1, first + to + 1);
  } else {
    std::rotate(first + to, first + from, first + from + 1);
  }
  return true;
}

void CPageStore::TurnPage(int index, bool clockwise) {
  if (index < 0 || index >= static_cast<int>(m_pages.size())) return;
  int& turns = m_pages[static_cast<size_t>(index)].quarterTurns;
  turns = (turns + (clockwise ? 1 : 3)) % 4;
}

int CPageStore::ReloadJob() {
  // No job is shown whose files must be kept apart from the new one's, so the job is cut
  // straight into the work directory: a move per page saved.
  DiscardSecuredJob();
  // What a viewer that ended abruptly left on its way in.
  const std::string incoming = SecuredJobDirectory();
  if (!incoming.empty()) {
    DeleteMatchingFiles(incoming, kPageFilePattern);
    DeleteMatchingFiles(incoming, kSpoolFilePattern);
    RemoveDirectoryA(incoming.c_str());
  }
  ReleaseAllPages();
  m_pageFiles.clear();
  UnwrittenPages unwritten;
  CutMetafiles made;
  m_documentName.clear();
  DiscoverJob(m_strWorkDir, m_pageFiles, &unwritten, &made, &m_documentName);
  m_madeBytes = made.Spent();
  m_shownUnwritten = unwritten;
  return LoadPages(m_pageFiles, &made);
}

std::string LoadBlankFailedMessage(const std::string& blankFile) {
  return kLoadBlankFailedText + FormatText(kBlankMissingFormat, blankFile.c_str());
}

std::string CPageStore::SecuredJobDirectory() const {
  std::string directory;
  if (m_strWorkDir.empty() || !JoinPath(m_strWorkDir, kSecuredJobFolder, directory, AnsiLeadBytes()))
    return std::string();
  return directory;
}

void CPageStore::SecureJob() {
  // A newer job replaces one secured and not yet shown.
  DiscardSecuredJob();
  // Any failure, a missing folder included, shows up as a job without pages.
  const std::string directory = SecuredJobDirectory();
  m_securedMade = std::make_unique<CutMetafiles>();
  if (!directory.empty()) {
    CreateDirectoryA(directory.c_str(), nullptr);
    SecureJobFiles(directory, m_securedSpoolCopies, m_securedFiles, &m_securedUnwritten,
                   m_securedMade.get());
  }
  m_jobSecured = true;
}

bool CPageStore::AdoptSecuredJob(bool append) {
  if (!m_jobSecured) return false;
  m_jobSecured = false;
  // Taken over before anything can show a box: a job handed over meanwhile is secured
  // beside these files, never over them.
  const PathList spoolCopies = std::move(m_securedSpoolCopies);
  PathList secured = std::move(m_securedFiles);
  m_securedSpoolCopies.clear();
  m_securedFiles.clear();
  const std::unique_ptr<CutMetafiles> made = std::move(m_securedMade);
  UnwrittenPages unwritten = m_securedUnwritten;
  m_securedUnwritten = UnwrittenPages();
  if (!append) {
    ReleaseAllPages();
    DeleteMatchingFiles(m_strWorkDir, kPageFilePattern);
    m_pageFiles.clear();
    m_documentName.clear();
  }
  // Replacing, the spool copy is cut straight into the emptied work directory; gathering,
  // beside it first, as the names may be taken.
  const std::string cutInto = append ? SecuredJobDirectory() : m_strWorkDir;
  // Gathered jobs share one budget: what the shown ones spent is not there for the next.
  const std::size_t budget = CutMetafiles::InMemoryPageBudget();
  const std::size_t spent = append ? m_madeBytes : 0;
  made->LimitTo(budget > spent ? budget - spent : 0);
  PathList cut;
  for (const std::string& copy : spoolCopies) {
    ExtractSpoolPages(copy, cutInto, append ? secured : cut, &unwritten, made.get(), &m_documentName);
    DeleteFileA(copy.c_str());
  }
  PathList adopted;
  for (const std::string& file : secured) {
    std::string path;
    if (!FreePathInWorkDirectory(file, append, path)) continue;
    MoveFileA(file.c_str(), path.c_str());
    made->Rename(file, path);
    adopted.push_back(path);
  }
  adopted.insert(adopted.end(), cut.begin(), cut.end());
  m_madeBytes = spent + made->Spent();
  m_shownUnwritten = unwritten;
  LoadPages(adopted, made.get());
  m_pageFiles.insert(m_pageFiles.end(), adopted.begin(), adopted.end());
  return true;
}

bool CPageStore::FreePathInWorkDirectory(const std::string& secured, bool gathering,
                                         std::string& path) const {
  const PathParts parts = SplitPath(secured, AnsiLeadBytes());
  if (!JoinPath(m_strWorkDir, parts.baseName + parts.extension, path, AnsiLeadBytes())) return false;
  if (!gathering) return true;
  // A gathered job whose spool file had the name of an earlier one (the spooler counts
  // its jobs anew after a restart) gets names of its own.
  for (int copy = 1; GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; ++copy) {
    if (copy > kMaxNameCopies ||
        !JoinPath(m_strWorkDir,
                  parts.baseName + "_" + std::to_string(copy) + parts.extension, path, AnsiLeadBytes()))
      return false;
  }
  return true;
}

void CPageStore::DiscardSecuredJob() {
  m_jobSecured = false;
  for (const std::string& copy : m_securedSpoolCopies) DeleteFileA(copy.c_str());
  for (const std::string& file : m_securedFiles) DeleteFileA(file.c_str());
  m_securedSpoolCopies.clear();
  m_securedFiles.clear();
  m_securedMade.reset();
  m_securedUnwritten = UnwrittenPages();
  const std::string directory = SecuredJobDirectory();
  if (!directory.empty()) RemoveDirectoryA(directory.c_str());
}

void CPageStore::ReportUnwrittenPages() {
  const UnwrittenPages unwritten = m_shownUnwritten;
  m_shownUnwritten = UnwrittenPages();
  if (unwritten.cappedAt > 0) ShowStoreMessage(TooManyPagesMessage(unwritten.cappedAt));
  if (unwritten.count <= 0) return;
  const int kept = unwritten.of - unwritten.count;
  ShowStoreMessage(FormatText(kDiskFullCutShortFormat, kept, unwritten.of, m_strWorkDir.c_str()));
}

void CPageStore::ShowStoreMessage(const std::string& text) {
  ShowMessageBox(nullptr, text.c_str(), kAppTitle, MB_OK);
}
