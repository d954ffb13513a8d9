#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "byte_order.h"
#include "dib_image.h"
#include "font_face.h"
#include "pdf_font.h"
#include "picture_source.h"

// How pictures inside the PDF are stored: their resolution at most `dpi` where they are
// placed, grey or colour, lossless (Flate) or JPEG.
struct PdfPictureChoices {
  int dpi = 300;
  bool grey = false;
  bool jpeg = false;
};

// Writes a PDF of sheets, each given as one enhanced metafile, front to back in pieces
// the caller appends to the file in the order they are returned: only one sheet's records
// and pictures are ever held, and the fonts' subsets are written at the end.
class PdfSheetsWriter {
 public:
  PdfSheetsWriter(FontResolver& fonts, const PdfPictureChoices& choices);
  ~PdfSheetsWriter();

  Bytes Header();
  // Translates the metafile `emf` into one page of `widthPoints` x `heightPoints`, the
  // metafile's frame filling it. Records PDF cannot express are drawn by `pictures`. False
  // when `emf` is no metafile.
  bool Page(const std::uint8_t* emf, std::size_t size, double widthPoints, double heightPoints,
            PictureSource& pictures, Bytes& out);
  // A page of `widthPoints` x `heightPoints` that is one picture filling it, stored as the
  // choices say.
  Bytes PicturePage(const DecodedDib& picture, double widthPoints, double heightPoints);
  // The fonts, page tree, catalogue, document information (`title`, and `creationDate` as
  // "D:YYYYMMDDHHmmSS"), cross-reference table and trailer.
  Bytes Finish(const std::u16string& title, const std::string& creationDate);

 private:
  class Impl;
  std::unique_ptr<Impl> m_impl;
};
