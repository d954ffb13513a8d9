#include "page_store.h"

#include <new>

#include "app/app_names.h"
#include "job_discovery.h"
#include "message_box.h"
#include "page_frame.h"
#include "page_header.h"
#include "page_playback.h"
#include "program_directory.h"
#include "spool_extraction.h"

namespace {

void SystemDeleteMetafile(HENHMETAFILE metafile) { DeleteEnhMetaFile(metafile); }

MetafileDeleter g_deleteMetafile = SystemDeleteMetafile;

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
  RECTL frame;
  if (!ReadPageFrame(path, frame)) return false;
  DisplayMetrics metrics;
  if (!ReadDisplayMetrics(metrics)) return false;
  int width = 0;
  int height = 0;
  if (!PageSizeInPixels(frame, metrics, width, height)) return false;
  entry.nWidth = width;
  entry.nHeight = height;
  entry.hMetaFile = LoadCheckedMetafile(path);
  return true;
}

bool CPageStore::LoadBlankPage(PageEntry& entry) { return LoadPageFile(m_strBlankFile, entry); }

int CPageStore::LoadAllPages() {
  for (const std::string& path : m_pageFiles) {
    PageEntry entry;
    if (!LoadPageFile(path, entry)) continue;
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
    ReportLoadBlankFailed();
    return;
  }
  m_pages.insert(m_pages.begin() + index, entry);
}

void CPageStore::DeletePage(int index) {
  if (index < 0 || index >= static_cast<int>(m_pages.size())) return;
  if (m_pages[index].hMetaFile) g_deleteMetafile(m_pages[index].hMetaFile);
  m_pages.erase(m_pages.begin() + index);
}

int CPageStore::ReloadJob() {
  m_pageFiles.clear();
  // Discovery replaces the page files while the previous job's metafiles are still open;
  // those are closed only afterwards.
  DiscoverJob(m_strWorkDir, m_pageFiles);
  ReleaseAllPages();
  return LoadAllPages();
}

void CPageStore::ReportLoadBlankFailed() {
  ShowMessageBox(nullptr, kLoadBlankFailedText, kAppTitle, MB_OK);
}
