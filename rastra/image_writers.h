#pragma once

#include "byte_order.h"
#include "image.h"

// Each writer appends one complete file of its format and returns a RastraResult code.
using ImageWriter = long (*)(const Image& image, Bytes& out);

long WritePng(const Image& image, Bytes& out);
long WriteJpeg(const Image& image, Bytes& out);
long WriteTiff(const Image& image, Bytes& out);
long WriteGif(const Image& image, Bytes& out);
long WritePsd(const Image& image, Bytes& out);
long WritePcx(const Image& image, Bytes& out);
long WriteDcx(const Image& image, Bytes& out);
long WriteTga(const Image& image, Bytes& out);
long WriteDib(const Image& image, Bytes& out);
long WritePict(const Image& image, Bytes& out);
long WritePhotoCd(const Image& image, Bytes& out);

// A multi-page TIFF written front to back, one page at a time, each as WriteTiff writes
// it (Deflate, resolution tags). The caller appends the pieces to the file in order.
class TiffPagesWriter {
 public:
  static constexpr std::uint32_t kHeaderSize = 8;
  Bytes Header();
  // Appends the page to `out`; `last` ends the chain of pages. Returns a RastraResult code.
  long Page(const Image& image, bool last, Bytes& out);

 private:
  std::uint32_t m_written = 0;
};
