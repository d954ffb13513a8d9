#include "pdf_document.h"

#include <cstdio>

#include "deflate.h"
#include "image_writers.h"
#include "rastra.h"

namespace {

constexpr std::uint32_t kCatalogObject = 1;
constexpr std::uint32_t kPageTreeObject = 2;
constexpr std::uint32_t kFirstPageObject = 3;
constexpr std::uint32_t kObjectsPerPage = 3;

template <class... Args>
std::string Format(const char* format, Args... args) {
  char text[160];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

void PutString(Bytes& out, const std::string& text) { out.insert(out.end(), text.begin(), text.end()); }

// Points with two decimals: finer than any printer's dot.
std::string Points(double points) { return Format("%.2f", points); }

// A literal string: brackets and backslashes escaped, everything else as is.
std::string Literal(const std::string& text) {
  std::string literal = "(";
  for (char c : text) {
    if (c == '(' || c == ')' || c == '\\') literal += '\\';
    literal += c;
  }
  return literal + ")";
}

}  // namespace

long EncodePdfPixels(const Image& image, bool grey, PdfPixelFilter filter, PdfPageImage& page) {
  page.width = image.width;
  page.height = image.height;
  page.filter = filter;
  page.encoded.clear();
  if (filter == PdfPixelFilter::Dct) {
    // The encoder writes three components; pixels made grey before stay grey in them.
    page.grey = false;
    return WriteJpeg(image, page.encoded);
  }
  page.grey = grey;
  const bool compressed = grey ? AppendZlibStream(GreyLevels(image).data(), std::size_t(image.width) * image.height, page.encoded)
                               : AppendZlibStream(image.rgb.data(), image.rgb.size(), page.encoded);
  return compressed ? RASTRA_OK : RASTRA_ERROR_ENCODER;
}

Bytes PdfDocumentWriter::Written(Bytes piece) {
  m_written += piece.size();
  return piece;
}

void PdfDocumentWriter::BeginObject(Bytes& out, std::uint32_t number) {
  if (m_offsets.size() < number) m_offsets.resize(number);
  m_offsets[number - 1] = m_written + out.size();
  PutString(out, Format("%u 0 obj\n", number));
}

Bytes PdfDocumentWriter::Header() {
  Bytes out;
  // The second line's high bytes tell transfer programs the file is binary.
  PutString(out, "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
  return Written(std::move(out));
}

Bytes PdfDocumentWriter::Page(const PdfPageImage& page) {
  const std::uint32_t image = kFirstPageObject + kObjectsPerPage * static_cast<std::uint32_t>(m_pageObjects.size());
  const std::uint32_t contents = image + 1;
  const std::uint32_t self = image + 2;
  m_pageObjects.push_back(self);
  const std::string width = Points(page.widthPoints);
  const std::string height = Points(page.heightPoints);

  Bytes out;
  BeginObject(out, image);
  PutString(out, Format("<< /Type /XObject /Subtype /Image /Width %u /Height %u /ColorSpace %s "
                        "/BitsPerComponent 8 /Filter %s /Length %u >>\nstream\n",
                        page.width, page.height, page.grey ? "/DeviceGray" : "/DeviceRGB",
                        page.filter == PdfPixelFilter::Dct ? "/DCTDecode" : "/FlateDecode",
                        static_cast<unsigned>(page.encoded.size())));
  PutBytes(out, page.encoded);
  PutString(out, "\nendstream\nendobj\n");

  const std::string drawing = "q " + width + " 0 0 " + height + " 0 0 cm /Im1 Do Q";
  BeginObject(out, contents);
  PutString(out, Format("<< /Length %u >>\nstream\n", static_cast<unsigned>(drawing.size())) + drawing +
                     "\nendstream\nendobj\n");

  BeginObject(out, self);
  PutString(out, Format("<< /Type /Page /Parent %u 0 R /MediaBox [0 0 ", kPageTreeObject) + width + " " +
                     height + Format("] /Resources << /XObject << /Im1 %u 0 R >> >> /Contents %u 0 R >>\nendobj\n",
                                     image, contents));
  return Written(std::move(out));
}

Bytes PdfDocumentWriter::Finish(const std::string& title, const std::string& creationDate) {
  Bytes out;
  BeginObject(out, kPageTreeObject);
  std::string kids;
  for (std::uint32_t page : m_pageObjects) kids += Format("%u 0 R ", page);
  PutString(out, "<< /Type /Pages /Kids [ " + kids +
                     Format("] /Count %u >>\nendobj\n", static_cast<unsigned>(m_pageObjects.size())));
  BeginObject(out, kCatalogObject);
  PutString(out, Format("<< /Type /Catalog /Pages %u 0 R >>\nendobj\n", kPageTreeObject));
  const std::uint32_t info = static_cast<std::uint32_t>(m_offsets.size()) + 1;
  BeginObject(out, info);
  PutString(out, "<< /Title " + Literal(title) + " /CreationDate " + Literal(creationDate) + " >>\nendobj\n");

  const std::uint64_t xref = m_written + out.size();
  // Every entry is exactly 20 bytes, end of line included: readers seek by number.
  PutString(out, Format("xref\n0 %u\n0000000000 65535 f\r\n", static_cast<unsigned>(m_offsets.size() + 1)));
  for (std::uint64_t offset : m_offsets)
    PutString(out, Format("%010llu 00000 n\r\n", static_cast<unsigned long long>(offset)));
  PutString(out, Format("trailer\n<< /Size %u /Root %u 0 R /Info %u 0 R >>\nstartxref\n%llu\n%%%%EOF\n",
                        static_cast<unsigned>(m_offsets.size() + 1), kCatalogObject, info,
                        static_cast<unsigned long long>(xref)));
  return Written(std::move(out));
}

std::string PdfDate(int year, int month, int day, int hour, int minute, int second) {
  return Format("D:%04d%02d%02d%02d%02d%02d", year, month, day, hour, minute, second);
}

double PointsFromTenthsMm(int tenths) { return tenths * 72.0 / 254.0; }

std::uint32_t PixelsFromTenthsMm(int tenths, int dpi) {
  return static_cast<std::uint32_t>((static_cast<std::int64_t>(tenths) * dpi + 127) / 254);
}
