#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <unordered_map>

// Metafiles made from the pages' bytes while their page files are written (cut from a
// spool file, or copied on the 9x route), so that loading the job reads no page file again. Each is held under its page file's path until the page
// store takes it; those never taken are deleted with the holder. Metafiles are made only
// while their bytes fit the holder's budget: a page beyond it is opened from its file,
// whose memory the system shares with the file instead of holding a private copy.
class CutMetafiles {
 public:
  explicit CutMetafiles(std::size_t byteBudget = InMemoryPageBudget());
  ~CutMetafiles();
  CutMetafiles(const CutMetafiles&) = delete;
  CutMetafiles& operator=(const CutMetafiles&) = delete;

  // Makes the metafile of the page just written to `path`, held to the checked loader's
  // rule on broken record chains; nothing when the budget is spent or the platform
  // refuses the bytes (loading the file then decides, as for any page file).
  void Make(const std::string& path, const unsigned char* page, std::size_t size);
  // The page's metafile, from now on the caller's; nullptr when none was made.
  HENHMETAFILE Take(const std::string& path);
  // The page file was moved from `from` to `to`.
  void Rename(const std::string& from, const std::string& to);
  // Bytes of the metafiles made so far.
  std::size_t Spent() const { return m_spent; }
  // Makes no more than `most` bytes of metafiles from now on.
  void LimitTo(std::size_t most) { m_budgetLeft = most < m_budgetLeft ? most : m_budgetLeft; }

  // A quarter of the physical memory, at most 512 MiB: a job that large is opened from its
  // page files rather than pushing the rest of the system out of memory.
  static std::size_t InMemoryPageBudget();

 private:
  // Holds `metafile` under `path`, replacing one held there; false (and the metafile
  // deleted) when there is no memory to hold it.
  bool Hold(const std::string& path, HENHMETAFILE metafile);

  std::unordered_map<std::string, HENHMETAFILE> m_made;
  std::size_t m_budgetLeft;
  std::size_t m_spent = 0;
};
