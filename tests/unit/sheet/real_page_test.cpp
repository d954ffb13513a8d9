#include <gtest/gtest.h>

#include <string>

#include "page_store.h"
#include "sheet_canvas.h"
#include "sheet_renderer.h"

namespace {

int CountDrawn(const SheetCanvas& canvas, const RECT& area) {
  int drawn = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) drawn += canvas.IsWhite(x, y) ? 0 : 1;
  }
  return drawn;
}

// Real spool pages select objects the platform's own player reads past its table for.
TEST(RealSpoolPages, AreDrawnInTheirCellsWithoutUpsettingThePlayer) {
  CPageStore store;
  const std::string folder = std::string(QUILLOR_REAL_FIXTURES) + "\\emf\\";
  for (const char* name : {"hughbeEmfReader__spoolpage_EMFSpool_0000.emf",
                           "hughbeEmfReader__spoolpage_EMFSpool_0001.emf",
                           "hughbeEmfReader__spoolpage_EMFSpool_0006.emf"}) {
    PageEntry entry;
    ASSERT_TRUE(store.LoadPageFile(folder + name, entry)) << name;
    store.m_pages.push_back(entry);
  }
  SheetCanvas canvas(420, 594);
  OptionSettings options;
  options.pageBorder = kPageBorderNone;
  const SheetLayout fourUp = {4, false, false};
  ASSERT_TRUE(DrawSheet(canvas.dc(), canvas.Whole(), store.m_pages, fourUp, 0, options, nullptr));
  for (int visit = 0; visit < 3; ++visit) {
    const RECT cell = CellRect(canvas.Whole(), fourUp, CellOfVisit(fourUp, visit));
    EXPECT_GT(CountDrawn(canvas, cell), 0) << visit;
  }
  EXPECT_EQ(CountDrawn(canvas, CellRect(canvas.Whole(), fourUp, {1, 1})), 0);
}

}  // namespace
