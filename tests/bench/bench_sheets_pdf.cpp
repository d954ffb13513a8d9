// Saves 100 sheets of real spool pages at 4 per sheet and 300 dpi one way per run, so each
// way's peak memory can be measured on its own:
//   bench_sheets_pdf OUTDIR WAY PAGE.emf...
// WAY: "vector" (Save Sheets As... PDF: text and lines), "picture_flate" and
// "picture_jpeg" (each sheet as one picture, as PDF sheets were saved before), "tiff", or
// "print:PRINTER" (the sheets printed, as the viewer's print loop draws them; the time to
// spool). Prints "WAY_s=" and "WAY_bytes=".
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "gdi_font_resolver.h"
#include "page_store.h"
#include "pdf_sheets_writer.h"
#include "pdf_syntax.h"
#include "rastra.h"
#include "sheet_export.h"
#include "sheet_layout.h"
#include "sheet_raster.h"
#include "sheet_renderer.h"
#include "sheet_units.h"
#include "target_file.h"

namespace {

constexpr int kSheets = 100;
constexpr int kPagesPerSheet = 4;
constexpr int kDpi = 300;

double Seconds(DWORD start) { return (GetTickCount() - start) / 1000.0; }

long long FileSize(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return -1;
  FindClose(search);
  return (static_cast<long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
}

// The sheets as pictures in a PDF, one picture filling each page: the comparison.
bool SavePicturePdf(const SheetExportRequest& request, const SheetDrawer& draw, bool jpeg) {
  StreamedTargetFile file(request.path.c_str());
  GdiFontResolver fonts;
  PdfSheetsWriter writer(fonts, PdfPictureChoices{request.dpi, false, jpeg});
  bool written = file.Append(writer.Header());
  DecodedDib sheet;
  for (int i = 0; written && i < request.sheetCount; ++i) {
    written = RasteriseSheet(draw, i, SheetPixels(request), request.dpi, sheet.image) &&
              file.Append(writer.PicturePage(sheet, PointsFromTenthsMm(request.sheetTenthsMm.cx),
                                             PointsFromTenthsMm(request.sheetTenthsMm.cy)));
  }
  return written && file.Append(writer.Finish(u"bench-sheets", PdfDate(2026, 1, 1, 0, 0, 0))) &&
         file.Commit() == RASTRA_OK;
}

bool Print(const char* printerName, const SheetDrawer& draw) {
  HDC printer = CreateDCA(nullptr, printerName, nullptr, nullptr);
  if (!printer) return false;
  const RECT page = {0, 0, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
  DOCINFOA document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = "bench-sheets";
  bool printed = StartDocA(printer, &document) > 0;
  for (int sheet = 0; printed && sheet < kSheets; ++sheet) {
    printed = StartPage(printer) > 0;
    if (printed) draw(printer, page, sheet);
    printed = printed && EndPage(printer) > 0;
  }
  printed = printed && EndDoc(printer) > 0;
  DeleteDC(printer);
  return printed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: bench_sheets_pdf OUTDIR WAY PAGE.emf...\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string way = argv[2];
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
  request.dpi = kDpi;
  request.path = folder + "\\" + way + (way == "tiff" ? ".tif" : ".pdf");
  const DWORD start = GetTickCount();
  bool done = false;
  if (way == "vector" || way == "tiff") {
    done = ExportSheets(request, draw, nullptr) == SheetExportResult::Saved;
  } else if (way == "picture_flate" || way == "picture_jpeg") {
    done = SavePicturePdf(request, draw, way == "picture_jpeg");
  } else if (way.compare(0, 6, "print:") == 0) {
    done = Print(way.c_str() + 6, draw);
    request.path.clear();
  }
  if (!done) {
    std::fprintf(stderr, "bench_sheets_pdf: %s failed\n", way.c_str());
    return 1;
  }
  const std::string name = way.compare(0, 6, "print:") == 0 ? "print" : way;
  std::printf("%s_s=%.2f\n%s_bytes=%lld\n", name.c_str(), Seconds(start), name.c_str(),
              request.path.empty() ? 0 : FileSize(request.path));
  return 0;
}
