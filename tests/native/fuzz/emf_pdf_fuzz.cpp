// Metafile bytes to a PDF page: whatever the records, the page's q/Q groups balance, the
// document ends whole, and nothing is read outside the bytes.
#include <cstdlib>
#include <map>

#include "font_files.h"
#include "pdf_check.h"
#include "pdf_sheets_writer.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

// Font files read once for the whole run.
class CachedFonts : public FontResolver {
 public:
  std::shared_ptr<const FontFace> Resolve(const FontRequest& request) override {
    const std::string path = FileFontResolver::PathFor(request);
    auto found = m_faces.find(path);
    if (found == m_faces.end()) found = m_faces.emplace(path, m_files.Resolve(request)).first;
    return found->second;
  }

 private:
  FileFontResolver m_files;
  std::map<std::string, std::shared_ptr<const FontFace>> m_faces;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  static CachedFonts fonts;
  GreyPictures pictures;
  PdfPictureChoices choices;
  // Pictures at a low resolution keep each run short; their placement is what matters.
  choices.dpi = 10;
  PdfSheetsWriter writer(fonts, choices);
  Bytes pdf = writer.Header();
  Bytes page;
  if (!writer.Page(data, size, 200, 300, pictures, page)) return 0;
  pdf.insert(pdf.end(), page.begin(), page.end());
  const Bytes tail = writer.Finish(u"Fuzz", "D:20260101000000");
  pdf.insert(pdf.end(), tail.begin(), tail.end());
  const std::string text(pdf.begin(), pdf.end());
  const std::string content = PageContent(text);
  Check(!content.empty() && Balanced(content));
  Check(text.compare(text.size() - 6, 6, "%%EOF\n") == 0);
  return 0;
}
