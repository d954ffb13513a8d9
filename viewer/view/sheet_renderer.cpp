#include "sheet_renderer.h"

#include <cstdint>
#include <string>

#include "dc_state.h"
#include "exported_function.h"
#include "framework/gdi_holders.h"
#include "page_bitmap_cache.h"
#include "page_footprint.h"
#include "page_playback.h"
#include "sheet_text.h"
#include "turned_picture.h"

namespace {

constexpr int kPageNumberInset = 3;
constexpr int kFrameInset = 5;
constexpr int kWatermarkAngle = 45;

constexpr UINT kHeaderFlags = DT_CENTER | DT_SINGLELINE | DT_TABSTOP;
constexpr UINT kFooterFlags = DT_CENTER | DT_SINGLELINE | DT_BOTTOM | DT_TABSTOP;

// DrawText flags of each page number position; 0 for "None" and unknown positions.
UINT PageNumberFlags(int pageNumberPos) {
  constexpr UINT kLine = DT_SINGLELINE | DT_TABSTOP;
  switch (pageNumberPos) {
    case kPageNumberLeftTop: return kLine | DT_LEFT | DT_TOP;
    case kPageNumberCenterTop: return kLine | DT_CENTER;
    case kPageNumberRightTop: return kLine | DT_RIGHT;
    case kPageNumberLeftBottom: return kLine | DT_BOTTOM;
    case kPageNumberCenterBottom: return kLine | DT_BOTTOM | DT_CENTER;
    case kPageNumberRightBottom: return kLine | DT_BOTTOM | DT_RIGHT;
    default: return 0;
  }
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

// Lines between the cells, across the whole of r, with the current pen.
void DrawSeparators(HDC dc, const RECT& r, int pagesPerSheet) {
  const SheetGrid grid = GridOf(pagesPerSheet);
  const int cellHeight = (r.bottom - r.top) / grid.rows;
  const int cellWidth = (r.right - r.left) / grid.columns;
  for (int j = 1; j < grid.rows; ++j) {
    const int y = r.top + j * cellHeight;
    Line(dc, r.left, y, r.right, y);
  }
  for (int j = 1; j < grid.columns; ++j) {
    const int x = r.left + j * cellWidth;
    Line(dc, x, r.top, x, r.bottom);
  }
}

void DrawFrame(HDC dc, const RECT& r) {
  const int left = r.left + kFrameInset;
  const int top = r.top + kFrameInset;
  const int right = r.right - kFrameInset;
  const int bottom = r.bottom - kFrameInset;
  MoveToEx(dc, left, top, nullptr);
  LineTo(dc, right, top);
  LineTo(dc, right, bottom);
  LineTo(dc, left, bottom);
  LineTo(dc, left, top);
}

// A header or footer: one line over the whole sheet, clipped at its edges, in the device
// context's current font, or one like it with the text's glyphs where it lacks them (a
// printer's Latin device font under a double-byte code page).
void DrawSheetLine(HDC dc, const RECT& r, const std::string& text, UINT flags) {
  const ScopedTextFont font(dc, text.c_str());
  RECT area = r;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, flags);
}

void DrawWatermark(HDC dc, const RECT& r, const WatermarkRecord& watermark) {
  switch (watermark.type) {
    case kWatermarkTypeHeader: DrawSheetLine(dc, r, watermark.content, kHeaderFlags); break;
    case kWatermarkTypeOutline:
      DrawRotatedText(dc, kWatermarkAngle, r, watermark.content.c_str());
      break;
    case kWatermarkTypeFooter: DrawSheetLine(dc, r, watermark.content, kFooterFlags); break;
    default: break;
  }
}

void DrawPageNumber(HDC dc, std::int64_t number, const RECT& page, UINT flags) {
  const std::string text = std::to_string(number);
  RECT inset = {page.left + kPageNumberInset, page.top + kPageNumberInset,
                page.right - kPageNumberInset, page.bottom - kPageNumberInset};
  ScopedBkMode transparent(dc, TRANSPARENT);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &inset, flags);
}

// Whether the caller clipped dc to part of it (the screen paints only what needs it);
// printers and export draw whole sheets without a clip region of their own.
bool IsClippedByCaller(HDC dc) {
  CGdiObject<HRGN> clip(CreateRectRgn(0, 0, 0, 0));
  return clip && GetClipRgn(dc, clip.get()) == 1;
}

// The world transform that takes a page played upright at the origin into `area`, turned.
XFORM TurningTransform(const RECT& area, int quarterTurns) {
  switch (quarterTurns) {
    case 1: return XFORM{0, 1, -1, 0, static_cast<FLOAT>(area.right), static_cast<FLOAT>(area.top)};
    case 2:
      return XFORM{-1, 0, 0, -1, static_cast<FLOAT>(area.right), static_cast<FLOAT>(area.bottom)};
    case 3: return XFORM{0, -1, 1, 0, static_cast<FLOAT>(area.left), static_cast<FLOAT>(area.bottom)};
    default: return XFORM{1, 0, 0, 1, 0, 0};
  }
}

// gdi32's world-transform calls, looked up at run time: 95 has them as failing stubs at
// best. Null members where any is missing.
struct WorldTransformCalls {
  int(WINAPI* setGraphicsMode)(HDC, int) = nullptr;
  BOOL(WINAPI* getWorldTransform)(HDC, XFORM*) = nullptr;
  BOOL(WINAPI* setWorldTransform)(HDC, const XFORM*) = nullptr;
  BOOL(WINAPI* modifyWorldTransform)(HDC, const XFORM*, DWORD) = nullptr;
};

template <typename Function>
bool LookUp(const char* name, Function& function) {
  function = ExportedFunction<Function>("GDI32.DLL", name);
  return function != nullptr;
}

const WorldTransformCalls& WorldTransforms() {
  static const WorldTransformCalls calls = [] {
    WorldTransformCalls found;
    if (LookUp("SetGraphicsMode", found.setGraphicsMode) &&
        LookUp("GetWorldTransform", found.getWorldTransform) &&
        LookUp("SetWorldTransform", found.setWorldTransform) &&
        LookUp("ModifyWorldTransform", found.modifyWorldTransform))
      return found;
    return WorldTransformCalls();
  }();
  return calls;
}

// Plays a turned page into `area`, the rectangle it covers once turned. On screen and in
// exported sheets through a world transform, so it stays sharp at every zoom; printers
// and the 9x family get a turned picture (some printer drivers lose turned text).
void PlayTurnedPage(HDC dc, const PageEntry& entry, const RECT& area, const PageTrim& trim) {
  const WorldTransformCalls& calls = WorldTransforms();
  const int technology = GetDeviceCaps(dc, TECHNOLOGY);
  const int oldMode = technology == DT_RASPRINTER || technology == DT_PLOTTER ||
                              !calls.setGraphicsMode
                          ? 0
                          : calls.setGraphicsMode(dc, GM_ADVANCED);
  if (!oldMode) {
    DrawTurnedPicture(dc, entry, area, trim);
    return;
  }
  XFORM old;
  calls.getWorldTransform(dc, &old);
  const XFORM turn = TurningTransform(area, entry.quarterTurns);
  calls.modifyWorldTransform(dc, &turn, MWT_LEFTMULTIPLY);
  const bool sideways = entry.quarterTurns % 2 != 0;
  const LONG width = sideways ? area.bottom - area.top : area.right - area.left;
  const LONG height = sideways ? area.right - area.left : area.bottom - area.top;
  PlayPageMetafile(dc, entry.hMetaFile, PlayedRect(RECT{0, 0, width, height}, trim));
  calls.setWorldTransform(dc, &old);
  calls.setGraphicsMode(dc, oldMode);
}

// A bitmap covers its page rectangle only, so no page of the sheet may draw beyond its
// own: it would be cut off, or wiped by a later page's bitmap. Turned pages are played
// directly, and may reach anywhere.
bool PagesDrawInsideTheirFrames(const std::vector<PageEntry>& pages, const SheetLayout& layout,
                                int sheet, bool clipped) {
  const SheetGrid grid = GridOf(layout.pagesPerSheet);
  for (int visit = 0; visit < grid.columns * grid.rows; ++visit) {
    const int page =
        PageOfCell(layout, sheet, CellOfVisit(layout, visit), static_cast<int>(pages.size()));
    if (page >= static_cast<int>(pages.size())) continue;
    const PageEntry& entry = pages[static_cast<size_t>(page)];
    if (entry.quarterTurns != 0 || (!clipped && !DrawsInsideFrame(entry.hMetaFile))) return false;
  }
  return true;
}

}  // namespace

BOOL DrawSheet(HDC dc, const RECT& r, const std::vector<PageEntry>& pages,
               const SheetLayout& layout, int sheet, const OptionSettings& options,
               const WatermarkRecord* watermark, CPageBitmapCache* cache) {
  const int pageCount = static_cast<int>(pages.size());
  // The same as asking whether the sheet's first page is in the list, without overflow.
  if (sheet < 0 || sheet >= GetSheetCount(layout, pageCount)) return FALSE;

  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const InkBox trim = layout.trimMargins ? JobTrimOf(pages) : InkBox();
  // Trimmed pages are clipped to their rectangles.
  if (cache && !PagesDrawInsideTheirFrames(pages, layout, sheet, !trim.Empty())) cache = nullptr;
  if (cache) cache->BeginSheet();
  const SheetGrid grid = GridOf(layout.pagesPerSheet);
  for (int visit = 0; visit < grid.columns * grid.rows; ++visit) {
    const CellPosition cell = CellOfVisit(layout, visit);
    const int page = PageOfCell(layout, sheet, cell, pageCount);
    if (page >= pageCount) continue;
    DrawPageCell(dc, page, pages[static_cast<size_t>(page)], CellRect(r, layout, cell), options,
                 cache, trim);
  }
  if (options.pageBorder != kPageBorderNone) DrawSeparators(dc, r, layout.pagesPerSheet);
  if (options.pageBorder == kPageBorderFrame) DrawFrame(dc, r);
  if (watermark) DrawWatermark(dc, r, *watermark);
  return TRUE;
}

RECT TurnedPageRectInCell(const RECT& cell, const PageEntry& entry, int pageMargins,
                          const PageTrim& trim) {
  const bool sideways = entry.quarterTurns % 2 != 0;
  // The trimmed part keeps its proportions; hundredths of a millimetre stand in for pixels.
  const int width = trim.Trims() ? static_cast<int>(trim.source.right - trim.source.left) : entry.nWidth;
  const int height = trim.Trims() ? static_cast<int>(trim.source.bottom - trim.source.top) : entry.nHeight;
  return PageRectInCell(cell, sideways ? height : width, sideways ? width : height, pageMargins);
}

void DrawPageCell(HDC dc, int pageIndex, const PageEntry& entry, const RECT& cell,
                  const OptionSettings& options, CPageBitmapCache* cache, const InkBox& jobTrim) {
  const PageTrim trim = TrimOfPage(entry, jobTrim);
  const RECT page = TurnedPageRectInCell(cell, entry, options.pageMargins, trim);
  // Playing a real page costs the same whether it shows or not.
  if (IsClippedByCaller(dc) && entry.quarterTurns == 0) {
    const RECT footprint = trim.Trims() ? page : PageFootprint(entry.hMetaFile, page);
    if (!RectVisible(dc, &footprint)) return;
  }
  if (entry.hMetaFile) {
    // A trimmed page is clipped to its rectangle: the white it leaves out may cover more.
    const int saved = trim.Trims() ? SaveDC(dc) : 0;
    if (saved) IntersectClipRect(dc, page.left, page.top, page.right, page.bottom);
    // A page plays in the device's default font, as on its own: text in no font of its own
    // must not take one the sheet chose for its own texts (saved sheets choose a larger one).
    const CScopedSelect defaultFont(dc, GetStockObject(SYSTEM_FONT));
    if (entry.quarterTurns != 0) {
      PlayTurnedPage(dc, entry, page, trim);
    } else if (cache) {
      cache->Draw(dc, entry.hMetaFile, page, PlayedRect(page, trim));
    } else {
      // Real spool pages carry records that make the platform's own player read past the
      // metafile's object table; the checked player leaves those out.
      PlayPageMetafile(dc, entry.hMetaFile, PlayedRect(page, trim));
    }
    if (saved) RestoreDC(dc, saved);
  }
  const UINT flags = PageNumberFlags(options.pageNumberPos);
  if (flags == 0) return;
  DrawPageNumber(dc, static_cast<std::int64_t>(options.startPage) + pageIndex, page, flags);
}
