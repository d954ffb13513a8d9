#include "sheet_export.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "ansi_code_page.h"
#include "app/app_names.h"
#include "formatted_text.h"
#include "gdi_font_resolver.h"
#include "gdi_holders.h"
#include "image_writers.h"
#include "message_box.h"
#include "metafile_pictures.h"
#include "path_parts.h"
#include "pdf_sheets_writer.h"
#include "pdf_syntax.h"
#include "rastra.h"
#include "save_image_dialog.h"
#include "save_sheets_dialog.h"
#include "sheet_export_texts.h"
#include "sheet_metafile.h"
#include "sheet_units.h"
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
  // Draws sheet `sheet` into the document's next page; false when it cannot be written.
  virtual bool Page(const SheetDrawer& draw, int sheet, Bytes& out) = 0;
  virtual Bytes Finish() = 0;
};

// Each sheet recorded as a metafile and translated: text stays text and lines stay lines;
// what PDF cannot express is drawn as a picture at the chosen resolution. Only one sheet's
// metafile and translation are held at a time.
class PdfSheets : public SheetDocument {
 public:
  explicit PdfSheets(const SheetExportRequest& request)
      : m_request(request), m_writer(m_fonts, PdfPictureChoices{request.dpi, request.grey, request.smaller}) {}
  Bytes Header() override { return m_writer.Header(); }
  bool Page(const SheetDrawer& draw, int sheet, Bytes& out) override {
    CScopedEnhMetaFile recorded(RecordSheet(draw, sheet, SheetPixels(m_request), m_request.dpi));
    std::vector<std::uint8_t> emf;
    if (!recorded || !MetafileBytes(recorded.get(), emf)) return false;
    MetafilePictures pictures(recorded.get());
    return m_writer.Page(emf.data(), emf.size(), PointsFromTenthsMm(m_request.sheetTenthsMm.cx),
                         PointsFromTenthsMm(m_request.sheetTenthsMm.cy), pictures, out);
  }
  Bytes Finish() override {
    const std::u16string title =
        m_request.title.empty() ? std::u16string(std::begin(kSheetsDocumentTitle), std::end(kSheetsDocumentTitle) - 1)
                                : m_request.title;
    return m_writer.Finish(title, CreationDate());
  }

 private:
  const SheetExportRequest& m_request;
  GdiFontResolver m_fonts;
  PdfSheetsWriter m_writer;
};

// Pictures by nature: each sheet drawn at the chosen resolution.
class TiffSheets : public SheetDocument {
 public:
  explicit TiffSheets(const SheetExportRequest& request) : m_request(request) {}
  Bytes Header() override { return m_writer.Header(); }
  bool Page(const SheetDrawer& draw, int sheet, Bytes& out) override {
    Image image;
    if (!RasteriseSheet(draw, sheet, SheetPixels(m_request), m_request.dpi, image)) return false;
    // Grey sheets have at most 256 values: the writer stores them as 8-bit indices.
    if (m_request.grey) MakeGrey(image);
    return m_writer.Page(image, sheet + 1 == m_request.sheetCount, out) == RASTRA_OK;
  }
  Bytes Finish() override { return Bytes(); }

 private:
  const SheetExportRequest& m_request;
  TiffPagesWriter m_writer;
};

std::unique_ptr<SheetDocument> MakeDocument(const SheetExportRequest& request) {
  if (IsTiffName(request.path)) return std::make_unique<TiffSheets>(request);
  return std::make_unique<PdfSheets>(request);
}

}  // namespace

SIZE SheetPixels(const SheetExportRequest& request) {
  return SIZE{static_cast<LONG>(PixelsFromTenthsMm(request.sheetTenthsMm.cx, request.dpi)),
              static_cast<LONG>(PixelsFromTenthsMm(request.sheetTenthsMm.cy, request.dpi))};
}

SheetExportResult ExportSheets(const SheetExportRequest& request, const SheetDrawer& draw,
                               const SheetProgress& progress) {
  if (request.sheetCount < 1) return SheetExportResult::Failed;
  StreamedTargetFile file(request.path.c_str());
  std::unique_ptr<SheetDocument> document = MakeDocument(request);
  if (!file.Append(document->Header())) return SheetExportResult::Failed;
  for (int i = 0; i < request.sheetCount; ++i) {
    if (progress && !progress(i + 1, request.sheetCount)) return SheetExportResult::Cancelled;
    Bytes page;
    if (!document->Page(draw, i, page) || !file.Append(page)) return SheetExportResult::Failed;
  }
  if (!file.Append(document->Finish())) return SheetExportResult::Failed;
  return file.Commit() == RASTRA_OK ? SheetExportResult::Saved : SheetExportResult::Failed;
}

std::string SavingSheetText(int sheet, int sheetCount) { return FormatText(kSavingSheetFormat, sheet, sheetCount); }

void SaveSheetsAs(HWND owner, const CAppProfile& profile, int sheetCount, SIZE sheetTenthsMm,
                  const std::u16string& title, const SheetDrawer& draw, const SheetProgress& progress) {
  SheetExportRequest request;
  request.title = title;
  request.path = AskSaveName(owner, profile,
                             SaveDialogKind{kSaveSheetsFilter, kSaveSheetsTitle, kSaveSheetsPathKey, kSaveSheetsFilterKey});
  if (request.path.empty() || !AskSheetChoices(owner, profile, request)) return;
  request.sheetCount = sheetCount;
  request.sheetTenthsMm = sheetTenthsMm;
  if (ExportSheets(request, draw, progress) != SheetExportResult::Failed) return;
  const std::string text = FormatText(kSheetsNotSavedFormat, request.path.c_str());
  ShowMessageBox(owner, text.c_str(), kAppTitle, MB_OK | MB_ICONEXCLAMATION);
}
