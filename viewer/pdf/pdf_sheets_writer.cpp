#include "pdf_sheets_writer.h"

#include <cstdio>

#include "deflate.h"
#include "emf_page.h"
#include "font_cache.h"
#include "image_cache.h"
#include "page_resources.h"
#include "pdf_image.h"
#include "pdf_syntax.h"

namespace {

constexpr std::uint32_t kCatalogObject = 1;
constexpr std::uint32_t kPageTreeObject = 2;

void PutString(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

}  // namespace

class PdfSheetsWriter::Impl {
 public:
  Impl(FontResolver& fonts, const PdfPictureChoices& choices) : m_fonts(fonts), m_choices(choices) {}

  std::uint32_t Allocate(std::uint32_t count) {
    const std::uint32_t first = m_next;
    m_next += count;
    return first;
  }

  // Appends object `object` to `out`, which goes to the file after m_written bytes.
  void Write(Bytes& out, const PdfObject& object) {
    if (m_offsets.size() < object.number) m_offsets.resize(object.number);
    m_offsets[object.number - 1] = m_written + out.size();
    PutString(out, std::to_string(object.number) + " 0 obj\n");
    PutBytes(out, object.body.data(), object.body.size());
    PutString(out, "\nendobj\n");
  }

  void Write(Bytes& out, std::uint32_t number, const std::string& body) {
    Write(out, PdfObject{number, std::vector<std::uint8_t>(body.begin(), body.end())});
  }

  Bytes Written(Bytes piece) {
    m_written += piece.size();
    return piece;
  }

  // The page's objects, its content stream and the page itself.
  Bytes WritePage(PageResources& resources, const std::string& content, double widthPoints, double heightPoints) {
    Bytes compressed;
    std::string filter = "/Filter /FlateDecode";
    if (!AppendZlibStream(reinterpret_cast<const std::uint8_t*>(content.data()), content.size(), compressed,
                          kZlibSmallestLevel)) {
      compressed.assign(content.begin(), content.end());
      filter.clear();
    }
    const std::uint32_t contents = Allocate(1);
    const std::uint32_t self = Allocate(1);
    m_pages.push_back(self);

    Bytes out;
    for (const PdfObject& object : resources.Objects()) Write(out, object);
    Write(out, PdfObject{contents, PdfStreamBody(filter, compressed)});
    Write(out, self,
          "<< /Type /Page /Parent " + std::to_string(kPageTreeObject) + " 0 R /MediaBox [0 0 " +
              PdfNumber(widthPoints) + " " + PdfNumber(heightPoints) + "] /Resources " + resources.Dictionary() +
              " /Contents " + std::to_string(contents) + " 0 R >>");
    return Written(std::move(out));
  }

  FontCache m_fonts;
  ImageCache m_images;
  const PdfPictureChoices m_choices;
  std::uint32_t m_next = kPageTreeObject + 1;
  std::uint64_t m_written = 0;
  std::vector<std::uint64_t> m_offsets;  // [number - 1]; 0 for numbers never written
  std::vector<std::uint32_t> m_pages;
};

PdfSheetsWriter::PdfSheetsWriter(FontResolver& fonts, const PdfPictureChoices& choices)
    : m_impl(std::make_unique<Impl>(fonts, choices)) {}

PdfSheetsWriter::~PdfSheetsWriter() = default;

Bytes PdfSheetsWriter::Header() {
  Bytes out;
  // The second line's high bytes tell transfer programs the file is binary.
  PutString(out, "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
  return m_impl->Written(std::move(out));
}

bool PdfSheetsWriter::Page(const std::uint8_t* emf, std::size_t size, double widthPoints, double heightPoints,
                           PictureSource& pictures, Bytes& out) {
  EmfHeader header;
  if (!ReadEmfHeader(emf, size, header) || !(widthPoints > 0) || !(heightPoints > 0)) return false;
  Impl& impl = *m_impl;
  PageResources resources([&impl](std::uint32_t count) { return impl.Allocate(count); });
  EmfPage page(header, widthPoints, heightPoints, PageContext{impl.m_fonts, impl.m_images, resources, pictures, impl.m_choices});
  const std::string content = page.Translate(emf, size);

  out = impl.WritePage(resources, content, widthPoints, heightPoints);
  return true;
}

Bytes PdfSheetsWriter::PicturePage(const DecodedDib& picture, double widthPoints, double heightPoints) {
  Impl& impl = *m_impl;
  PageResources resources([&impl](std::uint32_t count) { return impl.Allocate(count); });
  const std::uint32_t image = impl.Allocate(PdfImageObjectCount(picture));
  for (PdfObject& object : PdfImageObjects(picture, widthPoints, heightPoints, impl.m_choices, image))
    resources.Add(std::move(object));
  const std::string content = "q " + PdfNumber(widthPoints) + " 0 0 " + PdfNumber(heightPoints) + " 0 0 cm " +
                              resources.Image(image) + " Do Q\n";
  return impl.WritePage(resources, content, widthPoints, heightPoints);
}

Bytes PdfSheetsWriter::Finish(const std::u16string& title, const std::string& creationDate) {
  Impl& impl = *m_impl;
  Bytes out;
  for (const PdfObject& object : impl.m_fonts.SubsetObjects()) impl.Write(out, object);
  std::string kids;
  for (std::uint32_t page : impl.m_pages) kids += std::to_string(page) + " 0 R ";
  impl.Write(out, kPageTreeObject,
             "<< /Type /Pages /Kids [ " + kids + "] /Count " + std::to_string(impl.m_pages.size()) + " >>");
  impl.Write(out, kCatalogObject, "<< /Type /Catalog /Pages " + std::to_string(kPageTreeObject) + " 0 R >>");
  const std::uint32_t info = impl.Allocate(1);
  impl.Write(out, info, "<< /Title " + PdfTextString(title) + " /CreationDate (" + creationDate + ") >>");

  const std::uint64_t xref = impl.m_written + out.size();
  const std::size_t count = impl.m_offsets.size() + 1;
  // Every entry is exactly 20 bytes, end of line included: readers seek by number.
  PutString(out, "xref\n0 " + std::to_string(count) + "\n0000000000 65535 f\r\n");
  char entry[24];
  for (std::uint64_t offset : impl.m_offsets) {
    if (offset == 0)
      std::snprintf(entry, sizeof entry, "0000000000 65535 f\r\n");
    else
      std::snprintf(entry, sizeof entry, "%010llu 00000 n\r\n", static_cast<unsigned long long>(offset));
    PutString(out, entry);
  }
  PutString(out, "trailer\n<< /Size " + std::to_string(count) + " /Root " + std::to_string(kCatalogObject) +
                     " 0 R /Info " + std::to_string(info) + " 0 R >>\nstartxref\n" + std::to_string(xref) +
                     "\n%%EOF\n");
  return impl.Written(std::move(out));
}
