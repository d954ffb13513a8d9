#include "page_store.h"

#include <climits>
#include <cstdio>

#include "app/app_names.h"
#include "job_discovery.h"
#include "message_box.h"
#include "page_header.h"
#include "program_directory.h"

namespace {

void SystemDeleteMetafile(HENHMETAFILE metafile) { DeleteEnhMetaFile(metafile); }

MetafileDeleter g_deleteMetafile = SystemDeleteMetafile;

// (extent / hundredths-per-pixel + 0.5) truncated towards zero; false unless it is a
// positive int.
bool ScaleToPixels(long long extent, int sizeMm, int resolution, int& pixels) {
  if (sizeMm <= 0 || resolution <= 0) return false;
  const double hundredthsPerPixel = sizeMm * 100.0 / resolution;
  const double scaled = static_cast<double>(extent) / hundredthsPerPixel + 0.5;
  if (scaled < 1.0 || scaled >= static_cast<double>(INT_MAX)) return false;
  pixels = static_cast<int>(scaled);
  return true;
}

}  // namespace

bool PageSizeInPixels(const RECTL& frame, const DisplayMetrics& metrics, int& width,
                      int& height) {
  const long long frameWidth = static_cast<long long>(frame.right) - frame.left;
  const long long frameHeight = static_cast<long long>(frame.bottom) - frame.top;
  return ScaleToPixels(frameWidth, metrics.horzSizeMm, metrics.horzRes, width) &&
         ScaleToPixels(frameHeight, metrics.vertSizeMm, metrics.vertRes, height);
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
  entry.hMetaFile = GetEnhMetaFileA(path.c_str());
  return true;
}

bool CPageStore::LoadBlankPage(PageEntry& entry) { return LoadPageFile(m_strBlankFile, entry); }

int CPageStore::LoadAllPages() {
  for (const std::string& path : m_pageFiles) {
    PageEntry entry;
    if (LoadPageFile(path, entry)) m_pages.push_back(entry);
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

std::string LoadBlankFailedMessage(const std::string& blankFile) {
  char text[512];
  std::snprintf(text, sizeof text, kBlankMissingFormat, blankFile.c_str());
  return kLoadBlankFailedText + std::string(text);
}

void CPageStore::ReportLoadBlankFailed() {
  ShowMessageBox(nullptr, LoadBlankFailedMessage(m_strBlankFile).c_str(), kAppTitle, MB_OK);
}
