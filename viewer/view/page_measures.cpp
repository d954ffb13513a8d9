#include "page_measures.h"

#include <cmath>
#include <map>
#include <tuple>

#include "readable_layout.h"

namespace {

using PageKey = std::tuple<HENHMETAFILE, DWORD, DWORD, LONG, LONG, LONG, LONG>;

PageMeasure Measure(HENHMETAFILE metafile) {
  const UINT size = metafile ? GetEnhMetaFileBits(metafile, 0, nullptr) : 0;
  std::vector<BYTE> bytes(size);
  if (size == 0 || GetEnhMetaFileBits(metafile, size, bytes.data()) != size) {
    // Unread: drawn all over, never left out, never trimmed.
    return MeasurePage(nullptr, 0);
  }
  return MeasurePage(bytes.data(), bytes.size());
}

// The job's trim box, for the page list it was worked out from.
struct JobTrim {
  std::vector<HENHMETAFILE> metafiles;
  InkBox box;
};

}  // namespace

const PageMeasure& MeasureOfPage(HENHMETAFILE metafile) {
  static std::map<PageKey, PageMeasure> measures;
  ENHMETAHEADER header = {};
  if (metafile) GetEnhMetaFileHeader(metafile, sizeof header, &header);
  const PageKey key{metafile,
                    header.nBytes,
                    header.nRecords,
                    header.rclBounds.left,
                    header.rclBounds.top,
                    header.rclBounds.right,
                    header.rclBounds.bottom};
  auto found = measures.find(key);
  if (found == measures.end()) found = measures.emplace(key, Measure(metafile)).first;
  return found->second;
}

InkBox JobTrimOf(const std::vector<PageEntry>& pages) {
  static JobTrim kept;
  std::vector<HENHMETAFILE> metafiles;
  metafiles.reserve(pages.size());
  for (const PageEntry& entry : pages) metafiles.push_back(entry.hMetaFile);
  if (metafiles != kept.metafiles) {
    std::vector<PageMeasure> measures;
    measures.reserve(pages.size());
    for (HENHMETAFILE metafile : metafiles) measures.push_back(MeasureOfPage(metafile));
    kept = {metafiles, JobTrimBox(measures)};
  }
  return kept.box;
}

PageTrim TrimOfPage(const PageEntry& entry, const InkBox& jobTrim) {
  PageTrim trim;
  if (jobTrim.Empty() || !entry.hMetaFile) return trim;
  const PageMeasure& measure = MeasureOfPage(entry.hMetaFile);
  trim.source = SourceBox(measure, jobTrim);
  trim.frameWidth = measure.frameWidth;
  trim.frameHeight = measure.frameHeight;
  return trim;
}

RECT PlayedRect(const RECT& shown, const PageTrim& trim) {
  if (!trim.Trims()) return shown;
  const double sx = (shown.right - shown.left) / (trim.source.right - trim.source.left);
  const double sy = (shown.bottom - shown.top) / (trim.source.bottom - trim.source.top);
  const double left = shown.left - trim.source.left * sx;
  const double top = shown.top - trim.source.top * sy;
  return {static_cast<LONG>(std::lround(left)), static_cast<LONG>(std::lround(top)),
          static_cast<LONG>(std::lround(left + trim.frameWidth * sx)),
          static_cast<LONG>(std::lround(top + trim.frameHeight * sy))};
}

double SheetSmallestText(const std::vector<PageEntry>& pages, const SheetLayout& layout,
                         int sheet, SIZE sheetTenths) {
  const int pageCount = static_cast<int>(pages.size());
  const InkBox trim = layout.trimMargins ? JobTrimOf(pages) : InkBox();
  const SheetGrid grid = GridOf(layout.pagesPerSheet);
  const double cellWidth = static_cast<double>(sheetTenths.cx) / grid.columns;
  const double cellHeight = static_cast<double>(sheetTenths.cy) / grid.rows;
  double smallest = 0;
  for (int visit = 0; visit < grid.columns * grid.rows; ++visit) {
    const int page = PageOfCell(layout, sheet, CellOfVisit(layout, visit), pageCount);
    if (page < 0 || page >= pageCount) continue;
    const PageEntry& entry = pages[static_cast<size_t>(page)];
    const double points = SmallestTextPoints(MeasureOfPage(entry.hMetaFile), trim,
                                             entry.quarterTurns, cellWidth, cellHeight);
    if (points > 0 && (smallest == 0 || points < smallest)) smallest = points;
  }
  return smallest;
}
