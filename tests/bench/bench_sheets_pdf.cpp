// Saves 100 sheets of real spool pages at 4 per sheet and 300 dpi as PDF (Flate), PDF
// (JPEG) and TIFF, timing each and reporting the file sizes, then prints the same sheets to
// a printer (the CUPS PDF queue in tools/bench-sheets-pdf) and times the spooling.
//   bench_sheets_pdf OUTDIR PRINTER PAGE.emf...
#include <windows.h>

#include <cstdio>
#include <string>

#include "page_store.h"
#include "sheet_export.h"
#include "sheet_layout.h"
#include "sheet_renderer.h"

namespace {

constexpr int kSheets = 100;
constexpr int kPagesPerSheet = 4;

double Seconds(DWORD start) { return (GetTickCount() - start) / 1000.0; }

long long FileSize(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return -1;
  FindClose(search);
  return (static_cast<long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: bench_sheets_pdf OUTDIR PRINTER PAGE.emf...\n");
    return 2;
  }
  const std::string folder = argv[1];
  CPageStore store;
  for (int i = 0; i < kSheets * kPagesPerSheet; ++i) {
    PageEntry entry;
    if (!store.LoadPageFile(argv[3 + i % (argc - 3)], entry)) {
      std::fprintf(stderr, "bench_sheets_pdf: a page could not be loaded\n");
      return 1;
    }
    store.m_pages.push_back(entry);
  }
  SheetLayout layout;
  layout.pagesPerSheet = kPagesPerSheet;
  OptionSettings options;
  options.pageBorder = kPageBorderFrame;
  options.pageNumberPos = kPageNumberRightBottom;
  const SheetDrawer draw = [&](HDC dc, const RECT& r, int sheet) {
    DrawSheet(dc, r, store.m_pages, layout, sheet, options, nullptr);
  };

  SheetExportRequest request;
  request.sheetCount = kSheets;
  request.dpi = 300;
  struct Case {
    const char* name;
    const char* file;
    bool smaller;
  };
  for (const Case& c : {Case{"pdf_flate", "sheets.pdf", false}, Case{"pdf_dct", "sheets-jpeg.pdf", true},
                        Case{"tiff", "sheets.tif", false}}) {
    request.path = folder + "\\" + c.file;
    request.smaller = c.smaller;
    const DWORD start = GetTickCount();
    if (ExportSheets(request, draw, nullptr) != SheetExportResult::Saved) {
      std::fprintf(stderr, "bench_sheets_pdf: %s not saved\n", c.file);
      return 1;
    }
    std::printf("%s_s=%.2f\n%s_bytes=%lld\n", c.name, Seconds(start), c.name, FileSize(request.path));
  }

  // Printing the same sheets, as the viewer's print loop draws them.
  HDC printer = CreateDCA(nullptr, argv[2], nullptr, nullptr);
  if (!printer) {
    std::fprintf(stderr, "bench_sheets_pdf: no printer \"%s\"\n", argv[2]);
    return 1;
  }
  const RECT page = {0, 0, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
  DOCINFOA document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = "bench-sheets";
  const DWORD start = GetTickCount();
  bool printed = StartDocA(printer, &document) > 0;
  for (int sheet = 0; printed && sheet < kSheets; ++sheet) {
    printed = StartPage(printer) > 0;
    if (printed) draw(printer, page, sheet);
    printed = printed && EndPage(printer) > 0;
  }
  printed = printed && EndDoc(printer) > 0;
  std::printf("print_spool_s=%.2f\n", Seconds(start));
  DeleteDC(printer);
  return printed ? 0 : 1;
}
