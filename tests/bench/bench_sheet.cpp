// Measures repainting a sheet the way the screen does, off-screen:
//   bench_sheet [PAGE.emf ...]
// Pages are the given metafiles (without any, 16 pages drawn with GDI), repeated to a job
// of 1,000 pages; the cases draw its first sheet, and one case its last.
// Each case draws one sheet at 1000 % into a bitmap of the whole zoomed sheet and into a
// window-sized bitmap scrolled to the sheet's middle, clipped to the bitmap and with the
// screen's page cache, emptied before each case as a layout change empties it; it prints
// "<case>_first_ms" (the first paint) and "<case>_ms" (the median of the repaints after
// it), and "bounded_search_ms": a font search for a text that never gets wide enough, to
// its bound. The preview cases draw printed pages as the print preview does at its
// whole-page zoom in a window-sized bitmap, one or two at a time: "preview_<case>_<n>_first_ms"
// renders and shows them, "_next_ms" renders the next page and shows it, "_ms" repaints
// from the rendered pages.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "emf_pages.h"
#include "framework/gdi_holders.h"
#include "page_bitmap_cache.h"
#include "page_store.h"
#include "preview_dc.h"
#include "preview_geometry.h"
#include "sheet_navigation.h"
#include "sheet_renderer.h"
#include "watermark_font_search.h"

namespace {

constexpr int kDrawnPages = 16;
constexpr int kJobPages = 1000;
constexpr int kRepaints = 7;
constexpr SIZE kWindow = {1280, 1024};
constexpr SIZE kA4TenthsMm = {2100, 2970};

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// A bitmap compatible with the screen selected into a memory device context, as the view
// paints off-screen.
class OffscreenBitmap {
 public:
  OffscreenBitmap(int width, int height) : m_size{width, height} {
    const HDC screen = GetDC(nullptr);
    m_bitmap = CreateCompatibleBitmap(screen, width, height);
    m_dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    m_previous = SelectObject(m_dc, m_bitmap);
    // Touched once here, so that no case's first paint pays for the bitmap's memory.
    PatBlt(m_dc, 0, 0, width, height, WHITENESS);
  }
  ~OffscreenBitmap() {
    SelectObject(m_dc, m_previous);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
  }
  OffscreenBitmap(const OffscreenBitmap&) = delete;
  OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

  bool valid() const { return m_bitmap && m_dc; }
  HDC dc() const { return m_dc; }
  SIZE size() const { return m_size; }

 private:
  SIZE m_size;
  HBITMAP m_bitmap = nullptr;
  HDC m_dc = nullptr;
  HGDIOBJ m_previous = nullptr;
};

bool LoadPages(int argc, char** argv, CPageStore& store) {
  std::vector<std::string> files(argv + 1, argv + argc);
  if (files.empty()) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    for (int i = 0; i < kDrawnPages; ++i) {
      PageDrawing drawing;
      drawing.label = "Page " + std::to_string(i + 1);
      const std::string path = std::string(temp) + "bench_sheet_" + std::to_string(i) + ".emf";
      WriteFileBytes(path, DrawEmfPage(drawing));
      files.push_back(path);
    }
  }
  for (int i = 0; i < kJobPages; ++i) {
    PageEntry entry;
    if (!store.LoadPageFile(files[static_cast<size_t>(i) % files.size()], entry)) return false;
    store.m_pages.push_back(entry);
  }
  return true;
}

struct Case {
  const char* name;
  SheetLayout layout;
  bool watermark;
  // The job's last sheet, as End shows it, rather than its first.
  bool lastSheet = false;
};

// Frame, page numbers at the bottom right and, for watermark cases, an outline watermark.
OptionSettings CaseOptions(const Case& sheetCase) {
  OptionSettings options;
  options.pageBorder = kPageBorderFrame;
  options.pageNumberPos = kPageNumberRightBottom;
  if (sheetCase.watermark) {
    options.watermarks = {{"bench", "CONFIDENTIAL DRAFT", kWatermarkTypeOutline}};
    options.watermarkSel = 1;
  }
  return options;
}

// Paints the case's sheet into `target` with its origin at `origin`; returns milliseconds.
double Paint(const OffscreenBitmap& target, POINT origin, const CPageStore& store,
             const Case& sheetCase, SIZE sheet, CPageBitmapCache& cache) {
  const OptionSettings options = CaseOptions(sheetCase);
  SetViewportOrgEx(target.dc(), -origin.x, -origin.y, nullptr);
  const RECT r = {0, 0, sheet.cx, sheet.cy};
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  // As the view paints its invalid area: here the whole bitmap.
  CGdiObject<HRGN> clip(CreateRectRgn(0, 0, target.size().cx, target.size().cy));
  SelectClipRgn(target.dc(), clip.get());
  const int pageCount = static_cast<int>(store.m_pages.size());
  const int shown = sheetCase.lastSheet ? GetSheetCount(sheetCase.layout, pageCount) - 1 : 0;
  DrawSheet(target.dc(), r, store.m_pages, sheetCase.layout, shown, options,
            SelectedWatermark(options), &cache);
  GdiFlush();
  QueryPerformanceCounter(&end);
  return Milliseconds(start, end);
}

void Measure(const char* target, const OffscreenBitmap& bitmap, POINT origin,
             const CPageStore& store, const Case& sheetCase, SIZE sheet) {
  CPageBitmapCache cache;
  const double first = Paint(bitmap, origin, store, sheetCase, sheet, cache);
  std::vector<double> times;
  for (int i = 0; i < kRepaints; ++i) {
    times.push_back(Paint(bitmap, origin, store, sheetCase, sheet, cache));
  }
  std::sort(times.begin(), times.end());
  std::printf("%s_%s_first_ms=%.2f\n", target, sheetCase.name, first);
  std::printf("%s_%s_ms=%.2f\n", target, sheetCase.name, times[times.size() / 2]);
}


using RenderedPages = std::vector<std::unique_ptr<CGdiObject<HBITMAP>>>;

std::unique_ptr<CGdiObject<HBITMAP>> RenderPreviewPage(const CPageStore& store,
                                                       const Case& sheetCase, SIZE size,
                                                       const PrinterImitation& printer) {
  const OptionSettings options = CaseOptions(sheetCase);
  const RECT printable = {0, 0, printer.page.printable.cx, printer.page.printable.cy};
  return RenderPrintedPage(size, printer, [&](HDC dc) {
    DrawSheet(dc, printable, store.m_pages, sheetCase.layout, 0, options,
              SelectedWatermark(options));
  });
}

// Puts the rendered papers on the window's grey, as the preview paints.
void ShowPapers(const OffscreenBitmap& window, const PreviewLayout& layout,
                const RenderedPages& pages) {
  const RECT all = {0, 0, window.size().cx, window.size().cy};
  FillRect(window.dc(), &all, GetSysColorBrush(COLOR_APPWORKSPACE));
  CMemoryDC source(window.dc());
  for (int i = 0; i < layout.count && i < static_cast<int>(pages.size()); ++i) {
    const RECT& paper = layout.papers[i];
    CScopedSelect selected(source.get(), pages[static_cast<size_t>(i)]->get());
    BitBlt(window.dc(), paper.left, paper.top, paper.right - paper.left,
           paper.bottom - paper.top, source.get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
}

double Since(LARGE_INTEGER start) {
  LARGE_INTEGER end;
  QueryPerformanceCounter(&end);
  return Milliseconds(start, end);
}

void MeasurePreview(const OffscreenBitmap& window, const CPageStore& store,
                    const Case& sheetCase, int pagesShown) {
  SetViewportOrgEx(window.dc(), 0, 0, nullptr);
  SelectClipRgn(window.dc(), nullptr);
  // A4 without a printer, as the preview shows it on a machine without one.
  const PrinterImitation printer = ImitatePaper(kA4TenthsMm);
  const PreviewLayout layout =
      LayOutPreview(window.size(), printer.page.paper, pagesShown, PreviewZoom::Whole);
  const SIZE size = {layout.papers[0].right - layout.papers[0].left,
                     layout.papers[0].bottom - layout.papers[0].top};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  RenderedPages pages;
  for (int i = 0; i < layout.count; ++i)
    pages.push_back(RenderPreviewPage(store, sheetCase, size, printer));
  ShowPapers(window, layout, pages);
  const double first = Since(start);
  // A page turn renders the one page that was not on show and shows the others again.
  QueryPerformanceCounter(&start);
  pages.erase(pages.begin());
  pages.push_back(RenderPreviewPage(store, sheetCase, size, printer));
  ShowPapers(window, layout, pages);
  const double next = Since(start);
  std::vector<double> times;
  for (int i = 0; i < kRepaints; ++i) {
    QueryPerformanceCounter(&start);
    ShowPapers(window, layout, pages);
    times.push_back(Since(start));
  }
  std::sort(times.begin(), times.end());
  std::printf("preview_%s_%d_first_ms=%.2f\n", sheetCase.name, pagesShown, first);
  std::printf("preview_%s_%d_next_ms=%.2f\n", sheetCase.name, pagesShown, next);
  std::printf("preview_%s_%d_ms=%.2f\n", sheetCase.name, pagesShown, times[times.size() / 2]);
}

// The worst case of the watermark font search on the 1000 % sheet: every step up to the
// bound (four times the sheet's larger side) with a real font.
void MeasureBoundedSearch(HDC dc, SIZE sheet) {
  const std::string text = "W";
  const auto widthAt = [dc, &text](int height) {
    const LOGFONTA logFont = WatermarkLogFont(height, 0, text.c_str());
    const HFONT font = CreateFontIndirectA(&logFont);
    const HGDIOBJ previous = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text.c_str(), 1, &extent);
    SelectObject(dc, previous);
    DeleteObject(font);
    // Measured for real, reported as a text of zero-width characters would measure.
    return extent.cx < 0 ? extent.cx : 0;
  };
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  SearchWatermarkFontHeight(std::min(sheet.cx, sheet.cy), 4 * std::max(sheet.cx, sheet.cy),
                            widthAt);
  QueryPerformanceCounter(&end);
  std::printf("bounded_search_ms=%.2f\n", Milliseconds(start, end));
}

}  // namespace

int main(int argc, char** argv) {
  CPageStore store;
  if (!LoadPages(argc, argv, store)) {
    std::fprintf(stderr, "bench_sheet: a page could not be loaded\n");
    return 1;
  }
  const SIZE sheet = ZoomedSheetSize(kA4TenthsMm.cx, kA4TenthsMm.cy, kZoomIndexCount - 1);
  std::printf("sheet_px=%ldx%ld\n", sheet.cx, sheet.cy);
  const Case cases[] = {{"one_up", {1, false, false}, false},
                        {"one_up_watermark", {1, false, false}, true},
                        {"sixteen_up", {16, false, false}, false},
                        {"sixteen_up_watermark", {16, false, false}, true},
                        {"sixteen_up_watermark_last", {16, false, false}, true, true},
                        // Its first paint measures every page of the job once.
                        {"sixteen_up_trimmed", {16, false, false, false, true}, true}};

  OffscreenBitmap whole(sheet.cx, sheet.cy);
  OffscreenBitmap window(kWindow.cx, kWindow.cy);
  if (!whole.valid() || !window.valid()) {
    std::fprintf(stderr, "bench_sheet: no off-screen bitmap\n");
    return 1;
  }
  const POINT middle = {(sheet.cx - kWindow.cx) / 2, (sheet.cy - kWindow.cy) / 2};
  for (const Case& sheetCase : cases) {
    Measure("whole", whole, {0, 0}, store, sheetCase, sheet);
    Measure("window", window, middle, store, sheetCase, sheet);
  }
  for (const int pagesShown : {1, 2}) {
    MeasurePreview(window, store, cases[0], pagesShown);
    MeasurePreview(window, store, cases[3], pagesShown);
  }
  MeasureBoundedSearch(window.dc(), sheet);
  return 0;
}
