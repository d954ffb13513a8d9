#include "sheet_export.h"

#include <cstdio>
#include <cstring>

#include "ansi_code_page.h"
#include "app/app_names.h"
#include "formatted_text.h"
#include "image_writers.h"
#include "message_box.h"
#include "path_parts.h"
#include "pdf_document.h"
#include "rastra.h"
#include "save_image_dialog.h"
#include "save_sheets_dialog.h"
#include "sheet_export_texts.h"
#include "target_file.h"

namespace {

bool IsTiffName(const std::string& path) {
  const std::string extension = SplitPath(path, AnsiLeadBytes()).extension;
  return _stricmp(extension.c_str(), kTiffExtension) == 0 || _stricmp(extension.c_str(), kLongTiffExtension) == 0;
}

std::string CreationDate() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return PdfDate(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
}

// One document format, fed sheet by sheet.
class SheetDocument {
 public:
  virtual ~SheetDocument() = default;
  virtual Bytes Header() = 0;
  virtual long Page(const Image& sheet, bool last, Bytes& out) = 0;
  virtual Bytes Finish() = 0;
};

class PdfSheets : public SheetDocument {
 public:
  explicit PdfSheets(const SheetExportRequest& request) : m_request(request) {}
  Bytes Header() override { return m_writer.Header(); }
  long Page(const Image& sheet, bool, Bytes& out) override {
    PdfPageImage page;
    const long result = EncodePdfPixels(sheet, m_request.grey,
                                        m_request.smaller ? PdfPixelFilter::Dct : PdfPixelFilter::Flate, page);
    if (result != RASTRA_OK) return result;
    page.widthPoints = PointsFromTenthsMm(m_request.sheetTenthsMm.cx);
    page.heightPoints = PointsFromTenthsMm(m_request.sheetTenthsMm.cy);
    out = m_writer.Page(page);
    return RASTRA_OK;
  }
  Bytes Finish() override { return m_writer.Finish(kSheetsDocumentTitle, CreationDate()); }

 private:
  const SheetExportRequest& m_request;
  PdfDocumentWriter m_writer;
};

class TiffSheets : public SheetDocument {
 public:
  Bytes Header() override { return m_writer.Header(); }
  // Grey sheets have at most 256 values: the writer stores them as 8-bit indices.
  long Page(const Image& sheet, bool last, Bytes& out) override { return m_writer.Page(sheet, last, out); }
  Bytes Finish() override { return Bytes(); }

 private:
  TiffPagesWriter m_writer;
};

std::unique_ptr<SheetDocument> MakeDocument(const SheetExportRequest& request) {
  if (IsTiffName(request.path)) return std::make_unique<TiffSheets>();
  return std::make_unique<PdfSheets>(request);
}

}  // namespace

SheetExportResult ExportSheets(const SheetExportRequest& request, const SheetDrawer& draw,
                               const SheetProgress& progress) {
  if (request.sheetCount < 1) return SheetExportResult::Failed;
  const SIZE pixels = {static_cast<LONG>(PixelsFromTenthsMm(request.sheetTenthsMm.cx, request.dpi)),
                       static_cast<LONG>(PixelsFromTenthsMm(request.sheetTenthsMm.cy, request.dpi))};
  StreamedTargetFile file(request.path.c_str());
  std::unique_ptr<SheetDocument> document = MakeDocument(request);
  if (!file.Append(document->Header())) return SheetExportResult::Failed;
  Image sheet;
  for (int i = 0; i < request.sheetCount; ++i) {
    if (progress && !progress(i + 1, request.sheetCount)) return SheetExportResult::Cancelled;
    if (!RasteriseSheet(draw, i, pixels, request.dpi, sheet)) return SheetExportResult::Failed;
    if (request.grey) MakeGrey(sheet);
    Bytes page;
    if (document->Page(sheet, i + 1 == request.sheetCount, page) != RASTRA_OK || !file.Append(page))
      return SheetExportResult::Failed;
  }
  if (!file.Append(document->Finish())) return SheetExportResult::Failed;
  return file.Commit() == RASTRA_OK ? SheetExportResult::Saved : SheetExportResult::Failed;
}

std::string SavingSheetText(int sheet, int sheetCount) { return FormatText(kSavingSheetFormat, sheet, sheetCount); }

void SaveSheetsAs(HWND owner, const CAppProfile& profile, int sheetCount, SIZE sheetTenthsMm,
                  const SheetDrawer& draw, const SheetProgress& progress) {
  SheetExportRequest request;
  request.path = AskSaveName(owner, profile,
                             SaveDialogKind{kSaveSheetsFilter, kSaveSheetsTitle, kSaveSheetsPathKey, kSaveSheetsFilterKey});
  if (request.path.empty() || !AskSheetChoices(owner, profile, request)) return;
  request.sheetCount = sheetCount;
  request.sheetTenthsMm = sheetTenthsMm;
  if (ExportSheets(request, draw, progress) != SheetExportResult::Failed) return;
  const std::string text = FormatText(kSheetsNotSavedFormat, request.path.c_str());
  ShowMessageBox(owner, text.c_str(), kAppTitle, MB_OK | MB_ICONEXCLAMATION);
}
