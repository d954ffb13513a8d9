#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_order.h"
#include "image.h"

// How a page's pixels are compressed inside the file.
enum class PdfPixelFilter { Flate, Dct };

// One page: a picture filling a page of the given size in points.
struct PdfPageImage {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  bool grey = false;  // one byte per pixel, else three (R, G, B)
  PdfPixelFilter filter = PdfPixelFilter::Flate;
  double widthPoints = 0;
  double heightPoints = 0;
  Bytes encoded;  // the compressed pixels, as the filter decodes them
};

// Compresses `image` for a page: Flate of the rows (one grey byte per pixel when `grey`),
// or a baseline JPEG for DCT. Returns a RastraResult code.
long EncodePdfPixels(const Image& image, bool grey, PdfPixelFilter filter, PdfPageImage& page);

// Writes a PDF front to back in pieces that the caller appends to the file in the order
// they are returned, so only one page's pixels are ever held. Object 1 is the catalogue and
// 2 the page tree, both written at the end when the pages are known; each page takes three
// objects (its image, its content stream, itself); the document information comes last.
class PdfDocumentWriter {
 public:
  Bytes Header();
  Bytes Page(const PdfPageImage& page);
  // The page tree, catalogue, document information, cross-reference table and trailer.
  // `creationDate` is a PDF date ("D:YYYYMMDDHHmmSS").
  Bytes Finish(const std::string& title, const std::string& creationDate);

 private:
  // Records where object `number` starts in the file, `out` being appended at m_written.
  void BeginObject(Bytes& out, std::uint32_t number);
  Bytes Written(Bytes piece);

  std::uint64_t m_written = 0;
  std::vector<std::uint64_t> m_offsets;  // [number - 1]
  std::vector<std::uint32_t> m_pageObjects;
};

// A PDF date from a calendar time.
std::string PdfDate(int year, int month, int day, int hour, int minute, int second);

// A sheet length in tenths of a millimetre as PDF points (1/72 inch) and as pixels at `dpi`.
double PointsFromTenthsMm(int tenths);
std::uint32_t PixelsFromTenthsMm(int tenths, int dpi);
