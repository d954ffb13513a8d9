#pragma once

#include <vector>

#include "page_store.h"

// The pages the view arranges on sheets: the job's pages, or with blank pages left out
// those on which something visible is drawn. Commands on a shown page reach the job's page
// through StoreIndex; nothing is removed from the job by leaving pages out.
class ShownPages {
 public:
  // Takes the job's pages anew; every page is measured the first time it is left out or not.
  void Refresh(const std::vector<PageEntry>& job, bool leaveOutBlank);
  // Takes the job anew, with the last choice, when it changed since: the shown entries
  // must never outlive the job's own (a replaced job deletes their metafiles).
  void Follow(const std::vector<PageEntry>& job);
  const std::vector<PageEntry>& pages() const { return m_pages; }
  int Count() const { return static_cast<int>(m_pages.size()); }
  // The job's index of shown page `shown`; the job's page count for one past the last.
  int StoreIndex(int shown) const;
  int LeftOut() const { return m_leftOut; }

 private:
  std::vector<PageEntry> m_job;
  std::vector<PageEntry> m_pages;
  std::vector<int> m_storeIndex;
  int m_jobCount = 0;
  int m_leftOut = 0;
  bool m_leaveOutBlank = false;
};
