#include "readable_layout.h"

#include <algorithm>

namespace {

constexpr double kPointsPerHundredthMm = 72 / 2540.0;

// The smallest text of the job on one layout; 0 when no page has text.
double JobSmallestText(const LayoutCells& layout, const std::vector<PageMeasure>& pages,
                       const std::vector<int>& turns, const InkBox& trim) {
  double smallest = 0;
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const double points = SmallestTextPoints(pages[i], trim, i < turns.size() ? turns[i] : 0,
                                             layout.cellWidth, layout.cellHeight);
    if (points > 0 && (smallest == 0 || points < smallest)) smallest = points;
  }
  return smallest;
}

}  // namespace

bool IsReadable(double points) { return points >= kSmallestReadablePoints - 0.05; }

InkBox JobTrimBox(const std::vector<PageMeasure>& pages) {
  InkBox all;
  for (const PageMeasure& page : pages) {
    if (page.blank) continue;
    if (page.ink.Empty()) return InkBox();
    all.Join(page.ink);
  }
  if (all.Empty()) return all;
  return {std::max(0.0, all.left - kTrimMargin), std::max(0.0, all.top - kTrimMargin),
          all.right + kTrimMargin, all.bottom + kTrimMargin};
}

InkBox SourceBox(const PageMeasure& page, const InkBox& trim) {
  const InkBox frame{0, 0, page.frameWidth, page.frameHeight};
  if (trim.Empty()) return frame;
  const InkBox held{std::max(trim.left, 0.0), std::max(trim.top, 0.0),
                    std::min(trim.right, frame.right), std::min(trim.bottom, frame.bottom)};
  return held.Empty() ? frame : held;
}

double SmallestTextPoints(const PageMeasure& page, const InkBox& trim, int quarterTurns,
                          double cellWidth, double cellHeight) {
  const InkBox source = SourceBox(page, trim);
  double width = source.right - source.left, height = source.bottom - source.top;
  if (quarterTurns % 2 != 0) std::swap(width, height);
  if (page.smallestText <= 0 || width <= 0 || height <= 0) return 0;
  // Fitted into the cell with its aspect kept; the cell in tenths, the page in hundredths.
  const double scale = std::min(cellWidth * 10 / width, cellHeight * 10 / height);
  return page.smallestText * scale * kPointsPerHundredthMm;
}

ReadableChoice ChooseReadableLayout(const std::vector<LayoutCells>& layouts,
                                    const std::vector<PageMeasure>& pages,
                                    const std::vector<int>& turns, const InkBox& trim) {
  ReadableChoice best;
  best.readable = false;
  for (const LayoutCells& layout : layouts) {
    const double smallest = JobSmallestText(layout, pages, turns, trim);
    const bool readable = smallest == 0 || IsReadable(smallest);
    if (readable && (!best.readable || layout.pagesPerSheet > best.pagesPerSheet))
      best = {layout.pagesPerSheet, true};
  }
  return best;
}
