// Writes a print job of document-like pages as the spooler stores it:
//   write_document_job PATH PAGES [empty] [body=POINTS] [margin=MM] [blank=N,M...]
// Each A4 page carries a heading, a grey figure and lines of body text in a TrueType font,
// which scale with the page, and no border of its own: the only lines across a sheet are
// the viewer's separators and frame. With "empty" the pages carry nothing at all, so that
// a sheet shows only the viewer's own marks; "blank=" leaves the pages numbered so empty.
// "body=" sets the body text's em in points and "margin=" the page's margins, with as many
// lines as fit above half the margin at the foot.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>

#include "gdi_holders.h"
#include "spool_writer.h"

namespace {

// Page geometry in hundredths of a millimetre (MM_HIMETRIC: y grows upwards).
constexpr int kPageWidth = 21000;
constexpr int kPageHeight = 29700;
constexpr int kHeadingHeight = 1200;
constexpr int kLineSpacing = 700;
constexpr int kFigureHeight = 6000;
constexpr int kBodyLines = 24;
constexpr char kFace[] = "Arial";
constexpr char kBodyText[] =
    "Body text, set small, so that the page reads as a page of a document.";

HFONT MakeFont(int height, int weight) {
  return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     VARIABLE_PITCH | FF_SWISS, kFace);
}

void WriteLine(HDC dc, HFONT font, int x, int y, const std::string& text) {
  CScopedSelect selected(dc, font);
  TextOutA(dc, x, -y, text.c_str(), static_cast<int>(text.size()));
}

struct PageStyle {
  int margin = 2500;
  int bodyHeight = 450;
};

Bytes DrawDocumentPage(int number, int count, bool empty, const PageStyle& style) {
  const RECT frame = {0, 0, kPageWidth, kPageHeight};
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  if (!dc) throw std::runtime_error("CreateEnhMetaFileA failed");
  SetMapMode(dc, MM_HIMETRIC);
  SetBkMode(dc, TRANSPARENT);
  if (!empty) {
    CGdiObject<HFONT> heading(MakeFont(kHeadingHeight, FW_BOLD));
    CGdiObject<HFONT> body(MakeFont(style.bodyHeight, FW_NORMAL));
    const int margin = style.margin;
    CGdiObject<HBRUSH> figure(CreateSolidBrush(RGB(0xC8, 0xD4, 0xE6)));
    int y = margin;
    WriteLine(dc, heading.get(), margin, y,
             "Chapter " + std::to_string(number) + " of " + std::to_string(count));
    y += kHeadingHeight * 2;
    const RECT box = {margin, -y, kPageWidth - margin, -(y + kFigureHeight)};
    FillRect(dc, &box, figure.get());
    y += kFigureHeight + kLineSpacing;
    for (int line = 0; line < kBodyLines && y <= kPageHeight - margin / 2; ++line, y += kLineSpacing)
      WriteLine(dc, body.get(), margin, y, kBodyText);
  }
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  if (!metafile) throw std::runtime_error("CloseEnhMetaFile failed");
  CScopedEnhMetaFile owned(metafile);
  Bytes bytes(GetEnhMetaFileBits(owned.get(), 0, nullptr));
  GetEnhMetaFileBits(owned.get(), static_cast<UINT>(bytes.size()), bytes.data());
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  const int pages = argc > 2 ? std::atoi(argv[2]) : 0;
  if (argc < 3 || pages < 1) {
    std::fprintf(stderr,
                 "usage: write_document_job PATH PAGES (at least 1) [empty] [body=POINTS] "
                 "[margin=MM] [blank=N,M...]\n");
    return 2;
  }
  try {
    SpoolJob job;
    job.documentName = "Quillor document";
    bool empty = false;
    PageStyle style;
    std::string blank = ",";
    for (int i = 3; i < argc; ++i) {
      const std::string option = argv[i];
      if (option == "empty") empty = true;
      if (option.rfind("body=", 0) == 0) style.bodyHeight = std::atoi(option.c_str() + 5) * 2540 / 72;
      if (option.rfind("margin=", 0) == 0) style.margin = std::atoi(option.c_str() + 7) * 100;
      if (option.rfind("blank=", 0) == 0) blank += option.substr(6) + ",";
    }
    for (int page = 1; page <= pages; ++page) {
      const bool left = blank.find("," + std::to_string(page) + ",") != std::string::npos;
      job.pages.push_back(DrawDocumentPage(page, pages, empty || left, style));
    }
    WriteFileBytes(argv[1], BuildSpoolFile(job));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "write_document_job: %s\n", error.what());
    return 1;
  }
  std::printf("%s: %d pages\n", argv[1], pages);
  return 0;
}
