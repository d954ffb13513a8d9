#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "display_metrics.h"
#include "path_list.h"

constexpr const char kLoadBlankFailedText[] = "Load blank EMF file failed.";
// Follows it: the template's path and what to do.
constexpr const char kBlankMissingFormat[] =
    " The blank-page template \"%s\" is missing or damaged. Copy blank.emf from the folium "
    "package back into that folder to insert blank pages.";
constexpr const char kBlankPageFile[] = "blank.emf";

// The whole message about a blank-page template that could not be loaded.
std::string LoadBlankFailedMessage(const std::string& blankFile);

// One page of the current job: its metafile (owned by the page store; may be empty if the
// platform refused the file after the header check) and its size in display pixels.
struct PageEntry {
  HENHMETAFILE hMetaFile = nullptr;
  int nWidth = 0;
  int nHeight = 0;
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

  // Discovers the job afresh and loads its pages; returns the page count.
  int ReloadJob();
  int LoadAllPages();
  void ReleaseAllPages();
  // Inserts a blank page at `index` (the count appends); out of range does nothing.
  void InsertBlankPage(int index);
  // Deletes the page at `index` and its metafile; out of range does nothing.
  void DeletePage(int index);
  bool LoadPageFile(const std::string& path, PageEntry& entry);
  bool LoadBlankPage(PageEntry& entry);

  std::vector<PageEntry> m_pages;
  PathList m_pageFiles;
  std::string m_strWorkDir;
  // The blank-page template beside the program.
  std::string m_strBlankFile;

 protected:
  // Tells the user that the blank-page template could not be loaded.
  virtual void ReportLoadBlankFailed();
};
