#include "shown_pages.h"

#include <algorithm>

#include "page_measures.h"

namespace {

bool SameEntry(const PageEntry& a, const PageEntry& b) {
  return a.hMetaFile == b.hMetaFile && a.nWidth == b.nWidth && a.nHeight == b.nHeight &&
         a.quarterTurns == b.quarterTurns;
}

}  // namespace

void ShownPages::Follow(const std::vector<PageEntry>& job) {
  if (job.size() == m_job.size() && std::equal(job.begin(), job.end(), m_job.begin(), SameEntry)) return;
  Refresh(job, m_leaveOutBlank);
}

void ShownPages::Refresh(const std::vector<PageEntry>& job, bool leaveOutBlank) {
  m_job = job;
  m_leaveOutBlank = leaveOutBlank;
  m_pages.clear();
  m_storeIndex.clear();
  m_jobCount = static_cast<int>(job.size());
  for (int i = 0; i < m_jobCount; ++i) {
    const PageEntry& entry = job[static_cast<size_t>(i)];
    if (leaveOutBlank && entry.hMetaFile && MeasureOfPage(entry.hMetaFile).blank) continue;
    m_pages.push_back(entry);
    m_storeIndex.push_back(i);
  }
  m_leftOut = m_jobCount - Count();
}

int ShownPages::StoreIndex(int shown) const {
  if (shown >= 0 && shown < Count()) return m_storeIndex[static_cast<size_t>(shown)];
  return m_jobCount;
}
