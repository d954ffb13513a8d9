#include "cut_metafiles.h"

#include <algorithm>
#include <new>

#include "page_playback.h"

namespace {

constexpr std::size_t kMaxInMemoryPageBytes = std::size_t{512} << 20;

}  // namespace

CutMetafiles::CutMetafiles(std::size_t byteBudget) : m_budgetLeft(byteBudget) {}

CutMetafiles::~CutMetafiles() {
  for (const auto& made : m_made) DeleteEnhMetaFile(made.second);
}

void CutMetafiles::Make(const std::string& path, const unsigned char* page, std::size_t size) {
  if (size > m_budgetLeft) return;
  const HENHMETAFILE metafile = MetafileFromPageBytes(page, size);
  if (metafile && Hold(path, metafile)) {
    m_budgetLeft -= size;
    m_spent += size;
  }
}

HENHMETAFILE CutMetafiles::Take(const std::string& path) {
  const auto found = m_made.find(path);
  if (found == m_made.end()) return nullptr;
  const HENHMETAFILE metafile = found->second;
  m_made.erase(found);
  return metafile;
}

void CutMetafiles::Rename(const std::string& from, const std::string& to) {
  const HENHMETAFILE metafile = Take(from);
  if (metafile) Hold(to, metafile);
}

bool CutMetafiles::Hold(const std::string& path, HENHMETAFILE metafile) {
  try {
    const auto placed = m_made.emplace(path, metafile);
    if (!placed.second) {
      DeleteEnhMetaFile(placed.first->second);
      placed.first->second = metafile;
    }
    return true;
  } catch (const std::bad_alloc&) {
    // The page is then opened from its file.
    DeleteEnhMetaFile(metafile);
    return false;
  }
}

std::size_t CutMetafiles::InMemoryPageBudget() {
  MEMORYSTATUS status;
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return std::min<std::size_t>(status.dwTotalPhys / 4, kMaxInMemoryPageBytes);
}
