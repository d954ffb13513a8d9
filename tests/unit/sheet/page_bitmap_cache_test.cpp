#include "page_bitmap_cache.h"

#include <gtest/gtest.h>

#include <string>

#include "sheet_canvas.h"
#include "sheet_renderer.h"
#include "test_pages.h"

namespace {

OptionSettings Plain() {
  OptionSettings options;
  options.pageBorder = kPageBorderNone;
  return options;
}

void AddLabelledPages(TestPages& pages, int count) {
  for (int i = 0; i < count; ++i) pages.AddLabelled("Page " + std::to_string(i));
}

struct Drawing {
  RECT r;
  SheetLayout layout;
  int sheet;
  OptionSettings options;
};

// Draws with the cache as often as `times` and without it, on canvases of the given size;
// true when both show the same pixels.
bool DrawsAsWithout(CPageBitmapCache& cache, const TestPages& pages, const Drawing& drawing,
                    int times, SIZE canvasSize) {
  SheetCanvas cached(canvasSize.cx, canvasSize.cy);
  SheetCanvas direct(canvasSize.cx, canvasSize.cy);
  for (int i = 0; i < times; ++i) {
    DrawSheet(cached.dc(), drawing.r, pages.entries(), drawing.layout, drawing.sheet,
              drawing.options, nullptr, &cache);
  }
  DrawSheet(direct.dc(), drawing.r, pages.entries(), drawing.layout, drawing.sheet,
            drawing.options, nullptr);
  for (int y = 0; y < canvasSize.cy; ++y) {
    for (int x = 0; x < canvasSize.cx; ++x) {
      if (cached.Pixel(x, y) != direct.Pixel(x, y)) return false;
    }
  }
  return true;
}

constexpr SIZE kSmall = {400, 400};

TEST(PageBitmapCache, KeepsAPageFromItsSecondDrawingAtOneSize) {
  TestPages pages;
  AddLabelledPages(pages, 4);
  CPageBitmapCache cache;
  const Drawing fourUp = {{0, 0, 400, 400}, {4, false, false}, 0, Plain()};
  EXPECT_TRUE(DrawsAsWithout(cache, pages, fourUp, 1, kSmall));
  EXPECT_EQ(cache.size(), 0u);
  EXPECT_TRUE(DrawsAsWithout(cache, pages, fourUp, 2, kSmall));
  EXPECT_EQ(cache.size(), 4u);

  // Every cell of a repeated sheet shows one page: its second cell already keeps it.
  cache.Clear();
  EXPECT_EQ(cache.pixels(), 0);
  const Drawing repeat = {{0, 0, 400, 400}, {16, false, true}, 1, Plain()};
  EXPECT_TRUE(DrawsAsWithout(cache, pages, repeat, 1, kSmall));
  EXPECT_EQ(cache.size(), 1u);
}

TEST(PageBitmapCache, ZoomLayoutAndSettingsChangesShowWhatDrawingWithoutItShows) {
  TestPages pages;
  AddLabelledPages(pages, 4);
  OptionSettings numbered = Plain();
  numbered.pageMargins = 4;
  numbered.pageNumberPos = kPageNumberCenterTop;
  numbered.pageBorder = kPageBorderFrame;
  const Drawing steps[] = {{{0, 0, 400, 400}, {4, false, false}, 0, Plain()},
                           {{0, 0, 300, 420}, {4, false, false}, 0, Plain()},
                           {{0, 0, 420, 300}, {2, false, false}, 0, Plain()},
                           {{0, 0, 420, 300}, {2, false, false}, 1, Plain()},
                           {{0, 0, 420, 300}, {2, false, false}, 1, numbered},
                           {{0, 0, 420, 300}, {4, true, false}, 0, numbered},
                           {{0, 0, 420, 300}, {4, true, false, false, true}, 0, numbered},
                           {{0, 0, 400, 400}, {4, false, false, false, true}, 0, Plain()}};
  // One cache through all the changes, never cleared: what it keeps is known by metafile
  // and size, so none of them shows an old picture.
  CPageBitmapCache cache;
  for (const Drawing& step : steps) {
    EXPECT_TRUE(DrawsAsWithout(cache, pages, step, 3, kSmall))
        << step.layout.pagesPerSheet << " per sheet, sheet " << step.sheet;
  }
  EXPECT_GT(cache.size(), 4u);

  cache.Clear();
  EXPECT_EQ(cache.size(), 0u);
  EXPECT_EQ(cache.pixels(), 0);
  // Forgotten as seen, too: after a page list change a handle may name another picture.
  EXPECT_TRUE(DrawsAsWithout(cache, pages, steps[0], 1, kSmall));
  EXPECT_EQ(cache.size(), 0u);
}

TEST(PageBitmapCache, KeepsNoMoreThanItsBoundsAndDrawsTheRestDirectly) {
  TestPages pages;
  AddLabelledPages(pages, CPageBitmapCache::kMaxEntries + 1);
  CPageBitmapCache cache;
  const Drawing first = {{0, 0, 400, 400}, {16, false, false}, 0, Plain()};
  const Drawing second = {{0, 0, 400, 400}, {16, false, false}, 1, Plain()};
  EXPECT_TRUE(DrawsAsWithout(cache, pages, first, 2, kSmall));
  EXPECT_EQ(cache.size(), CPageBitmapCache::kMaxEntries);
  EXPECT_TRUE(DrawsAsWithout(cache, pages, second, 2, kSmall));
  EXPECT_EQ(cache.size(), CPageBitmapCache::kMaxEntries);

  // Pages of about 4 Mpx: three fit; the fourth is played directly.
  cache.Clear();
  const Drawing large = {{0, 0, 4800, 4800}, {4, false, false}, 0, Plain()};
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(DrawsAsWithout(cache, pages, large, 2, {300, 300}));
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_LE(cache.pixels(), CPageBitmapCache::kMaxPixels);
  }

  // A page larger than all the cache may hold is always played.
  cache.Clear();
  const Drawing huge = {{0, 0, 4800, 4800}, {1, false, false}, 0, Plain()};
  EXPECT_TRUE(DrawsAsWithout(cache, pages, huge, 3, {300, 300}));
  EXPECT_EQ(cache.size(), 0u);
}

TEST(PageBitmapCache, IsNotUsedForASheetWithAPageDrawingBeyondItsFrame) {
  TestPages pages;
  pages.AddSpilling(false);
  AddLabelledPages(pages, 3);
  CPageBitmapCache cache;
  const Drawing fourUp = {{0, 0, 200, 200}, {4, false, false}, 0, Plain()};
  EXPECT_TRUE(DrawsAsWithout(cache, pages, fourUp, 3, {200, 200}));
  EXPECT_EQ(cache.size(), 0u);
}

}  // namespace
