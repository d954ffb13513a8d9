#include "render_page.h"

#include "display_metrics.h"
#include "framework/gdi_holders.h"
#include "page_bitmap.h"
#include "page_header.h"
#include "page_playback.h"
#include "page_store.h"

namespace {

bool IsEmpty(const char* path) { return !path || !*path; }

// Plays the page over the whole bitmap on a white ground; false when the context would
// not take the bitmap.
bool DrawPage(HDC dc, HBITMAP bitmap, HENHMETAFILE page, int width, int height) {
  CScopedSelect selection(dc, bitmap);
  if (!selection.selected()) return false;
  SetStretchBltMode(dc, COLORONCOLOR);
  const RECT area = {0, 0, width, height};
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  PlayPageMetafile(dc, page, area);
  return true;
}

}  // namespace

PageRenderResult RenderPage(const char* pagePath, const char* bmpPath) {
  if (IsEmpty(pagePath) || IsEmpty(bmpPath)) return PageRenderResult::Refused;
  RECTL frame;
  if (!ReadPageFrame(pagePath, frame)) return PageRenderResult::Refused;
  DisplayMetrics metrics;
  if (!ReadDisplayMetrics(metrics)) return PageRenderResult::Refused;
  int width = 0;
  int height = 0;
  if (!PageSizeInPixels(frame, metrics, width, height)) return PageRenderResult::Refused;

  CScopedEnhMetaFile page(LoadCheckedMetafile(pagePath));
  if (!page) return PageRenderResult::NotWritten;
  CMemoryDC memory(nullptr);
  CPageBitmap bitmap;
  if (!memory || !bitmap.Create(width, height, memory.get()) ||
      !DrawPage(memory.get(), bitmap.GetSafeHandle(), page.get(), width, height))
    return PageRenderResult::NotWritten;
  return bitmap.Save(bmpPath) ? PageRenderResult::Written : PageRenderResult::NotWritten;
}

int RenderPageToBmp(const char* pagePath, const char* bmpPath) {
  return RenderPage(pagePath, bmpPath) == PageRenderResult::Refused ? 0 : 1;
}
