#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "font_face.h"
#include "pdf_sheets_writer.h"
#include "picture_source.h"

// A picture source that hands back flat grey pictures and remembers what it was asked.
class GreyPictures : public PictureSource {
 public:
  struct Call {
    std::size_t lastRecord;
    FrameArea area;
    std::uint32_t width, height;
  };
  bool Draw(std::size_t lastRecord, const FrameArea& area, std::uint32_t width, std::uint32_t height,
            Image& image) override;
  std::vector<Call> calls;
  bool fails = false;
};

// A resolver that knows no fonts: every text becomes a picture.
class NoFonts : public FontResolver {
 public:
  std::shared_ptr<const FontFace> Resolve(const FontRequest&) override { return nullptr; }
};

// A whole one-page PDF of `emf` on a page of `size` x `size` points.
std::string PdfOfPage(const std::vector<std::uint8_t>& emf, FontResolver& fonts, PictureSource& pictures,
                      double size = 100, const PdfPictureChoices& choices = PdfPictureChoices());
// Every stream of the PDF that inflates, joined: the content and patterns to look into.
std::string InflatedStreams(const std::string& pdf);
// The page content stream's operators (the stream that starts with "q").
std::string PageContent(const std::string& pdf);
// Whether every Q closes a q and none is left open.
bool Balanced(const std::string& content);
// qpdf --check's exit status (0 clean, 3 warnings).
int QpdfCheck(const std::string& pdf);
// Runs a command, returning its standard output; status in `status`.
std::string RunCommand(const std::string& command, int* status = nullptr);

// The first page rendered by poppler at 72 dpi in grey: one byte a pixel, rows top down.
struct GreyRender {
  int width = 0, height = 0;
  std::vector<std::uint8_t> pixels;
  int At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  // Pixels darker than 128 in the box [x0, x1) x [y0, y1).
  int InkIn(int x0, int y0, int x1, int y1) const;
};
GreyRender Render(const std::string& pdf, int dpi = 72);
