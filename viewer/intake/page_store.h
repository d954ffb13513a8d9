#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "cut_metafiles.h"
#include "display_metrics.h"
#include "path_list.h"
#include "spool_extraction.h"

constexpr const char kLoadBlankFailedText[] = "Load blank EMF file failed.";
// Follows it: the template's path and what to do.
constexpr const char kBlankMissingFormat[] =
    " The blank-page template \"%s\" is missing or damaged. Copy blank.emf from the folium "
    "package back into that folder to insert blank pages.";
constexpr const char kBlankPageFile[] = "blank.emf";
// Said once the pages that could be kept are shown: kept, found, the work directory.
constexpr const char kDiskFullCutShortFormat[] =
    "Only %d of the %d pages of this job could be kept: the disk holding \"%s\" is full. "
    "Free some space on it and print the job again to see the rest.";
// The folder inside the work directory where a handed-over job waits to be shown.
constexpr const char kSecuredJobFolder[] = "incoming";

// The whole message about a blank-page template that could not be loaded.
std::string LoadBlankFailedMessage(const std::string& blankFile);

// One page of the current job: its metafile (owned by the page store; may be empty if the
// platform refused the file after the header check) and its size in display pixels.
struct PageEntry {
  HENHMETAFILE hMetaFile = nullptr;
  int nWidth = 0;
  int nHeight = 0;
  // Quarter turns clockwise the page is drawn with, 0 to 3.
  int quarterTurns = 0;
};

// A page's size in display pixels from its metafile frame (0.01 mm); false when either
// side comes out 0 or less, or the metrics cannot convert.
bool PageSizeInPixels(const RECTL& frame, const DisplayMetrics& metrics, int& width,
                      int& height);

using MetafileDeleter = void (*)(HENHMETAFILE metafile);
// Every page metafile is released through here, so tests can see each released once.
// nullptr restores DeleteEnhMetaFile; returns the previous deleter.
MetafileDeleter SetMetafileDeleter(MetafileDeleter deleter);

// The current job: the page files that discovery wrote and the pages the viewer shows,
// prints and edits. The application object is one; it owns every page's metafile.
class CPageStore {
 public:
  CPageStore();
  virtual ~CPageStore();
  CPageStore(const CPageStore&) = delete;
  CPageStore& operator=(const CPageStore&) = delete;

  // Discovers the job afresh and loads its pages, dropping any job secured and not shown;
  // returns the page count.
  int ReloadJob();
  // A job handed over while the user may be working on the shown one, in two steps.
  // SecureJob finds the newest job and copies its files at once, so nothing of it depends
  // on the spooler keeping them; the shown job stays as it is.
  void SecureJob();
  // Replaces the shown job with the one secured last, or with `append` adds its pages and
  // page files after the shown ones; false when none waits.
  bool AdoptSecuredJob(bool append = false);
  // Deletes the page files of a job secured but never shown.
  void DiscardSecuredJob();
  // Tells the user, once, when the shown job was cut short to the page cap or lost pages
  // for want of room on the disk.
  void ReportUnwrittenPages();
  int LoadAllPages();
  // Loads the given page files after the pages there are, taking the metafiles made
  // while they were cut from `made`; returns the page count.
  int LoadPages(const PathList& files, CutMetafiles* made = nullptr);
  void ReleaseAllPages();
  // Inserts a blank page at `index` (the count appends); out of range does nothing.
  void InsertBlankPage(int index);
  // Deletes the page at `index` and its metafile; out of range does nothing.
  void DeletePage(int index);
  // Moves the page at `from` to index `to`, the pages between closing up; the page keeps
  // its metafile. False, nothing moved, when either index is out of range.
  bool MovePage(int from, int to);
  // Turns the page a quarter clockwise (or anticlockwise); out of range does nothing.
  void TurnPage(int index, bool clockwise);
  bool LoadPageFile(const std::string& path, PageEntry& entry);
  bool LoadPageFile(const std::string& path, const DisplayMetrics& metrics, PageEntry& entry);
  bool LoadBlankPage(PageEntry& entry);

  std::vector<PageEntry> m_pages;
  PathList m_pageFiles;
  // The shown job's document name from its spool file ("" when it had none, on the 9x
  // family, or for pages loaded otherwise); gathered jobs keep the first job's.
  std::u16string m_documentName;
  std::string m_strWorkDir;
  // The blank-page template beside the program.
  std::string m_strBlankFile;

 protected:
  // Tells the user what went wrong: the blank-page template, pages without room.
  virtual void ShowStoreMessage(const std::string& text);

 private:
  // Keeps `metafile` (nullptr: the platform refused the page file at `path`) as the page
  // in `entry` when its frame gives the page a size; otherwise deletes it.
  bool AdoptPageMetafile(const std::string& path, HENHMETAFILE metafile,
                         const DisplayMetrics& metrics, PageEntry& entry);
  std::string SecuredJobDirectory() const;
  // Where a secured page file goes in the work directory: its own name, or when gathering
  // and that is taken, a numbered one; false when none can be made.
  bool FreePathInWorkDirectory(const std::string& secured, bool gathering,
                               std::string& path) const;

  // The secured job: its spool file copies (NT), cut when it is shown, or its page files
  // (9x), both in the work directory's folder for incoming jobs.
  PathList m_securedSpoolCopies;
  PathList m_securedFiles;
  // The secured job's metafiles (9x pages: made as they were copied; NT: made when the
  // copy is cut) and whether it was cut short to the page cap. Set by every SecureJob.
  std::unique_ptr<CutMetafiles> m_securedMade;
  UnwrittenPages m_securedUnwritten;
  bool m_jobSecured = false;
  UnwrittenPages m_shownUnwritten;
  // Bytes of the shown pages' metafiles made in memory as they were cut (pages deleted
  // since are still counted).
  std::size_t m_madeBytes = 0;
};
