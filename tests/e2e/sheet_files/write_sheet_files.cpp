// Saves a 9-page job at 4 pages per sheet, with frames, page numbers and a watermark, as a
// PDF and a multi-page TIFF at 150 dpi, and each sheet as the viewer draws it at that
// resolution (PPM) for the check script to compare with what independent readers decode.
// Also checks that a cancelled and a failed save leave an existing file as it was.
#include <cstdio>
#include <fstream>
#include <string>

#include "file_bytes.h"
#include "sheet_export.h"
#include "sheet_renderer.h"
#include "sheet_units.h"
#include "test_pages.h"

namespace {

constexpr int kDpi = 150;

int g_failures = 0;

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "FAIL: %s\n", what);
  ++g_failures;
}

void WritePpm(const std::string& path, const Image& image) {
  std::ofstream out(path, std::ios::binary);
  out << "P6\n" << image.width << " " << image.height << "\n255\n";
  out.write(reinterpret_cast<const char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()));
}

bool FolderHoldsOnly(const std::string& folder, int count) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  int files = 0;
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  return files == count;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_sheet_files FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  TestPages pages;
  for (int i = 1; i <= 9; ++i) pages.AddLabelled("Page " + std::to_string(i));
  SheetLayout layout;
  layout.pagesPerSheet = 4;
  OptionSettings options;
  options.pageBorder = kPageBorderFrame;
  options.pageNumberPos = kPageNumberRightBottom;
  options.watermarks.push_back(WatermarkRecord{"Draft", "DRAFT", kWatermarkTypeOutline});
  options.watermarkSel = 1;
  const SheetDrawer draw = [&](HDC dc, const RECT& r, int sheet) {
    DrawSheet(dc, r, pages.entries(), layout, sheet, options, SelectedWatermark(options));
  };

  SheetExportRequest request;
  request.sheetCount = GetSheetCount(layout, static_cast<int>(pages.entries().size()));
  request.dpi = kDpi;
  const SIZE pixels = {static_cast<LONG>(PixelsFromTenthsMm(2100, kDpi)), static_cast<LONG>(PixelsFromTenthsMm(2970, kDpi))};
  for (int sheet = 0; sheet < request.sheetCount; ++sheet) {
    Image image;
    Check(RasteriseSheet(draw, sheet, pixels, kDpi, image), "the sheet is drawn");
    WritePpm(folder + "\\sheet-" + std::to_string(sheet + 1) + ".ppm", image);
  }

  int reported = 0;
  const SheetProgress count = [&](int sheet, int sheets) {
    reported = sheet;
    return sheets == request.sheetCount;
  };
  for (const char* name : {"sheets.pdf", "sheets.tif"}) {
    request.path = folder + "\\" + name;
    Check(ExportSheets(request, draw, count) == SheetExportResult::Saved, name);
    Check(reported == request.sheetCount, "every sheet is reported");
  }
  request.path = folder + "\\sheets-small.pdf";
  request.smaller = true;
  Check(ExportSheets(request, draw, count) == SheetExportResult::Saved, "sheets-small.pdf");
  request.smaller = false;
  request.grey = true;
  request.path = folder + "\\sheets-grey.tif";
  Check(ExportSheets(request, draw, count) == SheetExportResult::Saved, "sheets-grey.tif");
  request.grey = false;

  // An earlier file of the same name survives a cancelled and a failed save, and neither
  // leaves a temporary file beside it.
  const std::string keptFolder = folder + "\\kept";
  CreateDirectoryA(keptFolder.c_str(), nullptr);
  const Bytes earlier = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};
  request.path = keptFolder + "\\sheets.pdf";
  WriteFileBytes(request.path, earlier);
  const SheetProgress cancelAtSecond = [](int sheet, int) { return sheet < 2; };
  Check(ExportSheets(request, draw, cancelAtSecond) == SheetExportResult::Cancelled, "cancel is reported");
  Check(ReadFileBytes(request.path) == earlier, "a cancelled save keeps the earlier file");
  // A sheet no bitmap can hold fails the save after the file has been started.
  request.sheetTenthsMm = SIZE{0, 0};
  Check(ExportSheets(request, draw, nullptr) == SheetExportResult::Failed, "an impossible sheet fails");
  Check(ReadFileBytes(request.path) == earlier, "a failed save keeps the earlier file");
  Check(FolderHoldsOnly(keptFolder, 1), "no temporary file is left");
  request.sheetTenthsMm = SIZE{2100, 2970};
  request.path = keptFolder + "\\new.tif";
  Check(ExportSheets(request, draw, cancelAtSecond) == SheetExportResult::Cancelled, "cancel of a new file");
  Check(!FileExists(request.path), "a cancelled save makes no file");
  return g_failures == 0 ? 0 : 1;
}
