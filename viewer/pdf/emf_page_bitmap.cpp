// Bitmap records: copies and stretches of device-independent bitmaps as images, blends with
// a soft mask, fills by raster operation; other operations as pictures.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "dib_image.h"
#include "emf_page.h"
#include "emf_types.h"

namespace {

// Pictures past this many pixels are refused before decoding: no sheet holds one.
constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;

// The source rectangle of `dib` (x from the left, y from the top), clamped to the bitmap;
// false when nothing of it is left.
bool Crop(DecodedDib& dib, std::int64_t x, std::int64_t y, std::int64_t width, std::int64_t height) {
  const std::int64_t w = dib.image.width, h = dib.image.height;
  const std::int64_t left = std::max<std::int64_t>(0, std::min(x, x + width));
  const std::int64_t top = std::max<std::int64_t>(0, std::min(y, y + height));
  const std::int64_t right = std::min(w, std::max(x, x + width));
  const std::int64_t bottom = std::min(h, std::max(y, y + height));
  if (left >= right || top >= bottom) return false;
  if (left == 0 && top == 0 && right == w && bottom == h) return true;
  const std::size_t cw = std::size_t(right - left), ch = std::size_t(bottom - top);
  Image cropped;
  cropped.width = static_cast<std::uint32_t>(cw);
  cropped.height = static_cast<std::uint32_t>(ch);
  cropped.rgb.resize(cw * ch * 3);
  std::vector<std::uint8_t> alpha(dib.alpha.empty() ? 0 : cw * ch);
  for (std::size_t row = 0; row < ch; ++row) {
    const std::size_t from = (std::size_t(top) + row) * std::size_t(w) + std::size_t(left);
    std::copy_n(dib.image.rgb.begin() + std::ptrdiff_t(from * 3), cw * 3, cropped.rgb.begin() + std::ptrdiff_t(row * cw * 3));
    if (!alpha.empty())
      std::copy_n(dib.alpha.begin() + std::ptrdiff_t(from), cw, alpha.begin() + std::ptrdiff_t(row * cw));
  }
  dib.image = std::move(cropped);
  dib.alpha = std::move(alpha);
  return true;
}

}  // namespace

bool EmfPage::PlayBitmap(const EmfRecord& record) {
  const std::uint32_t type = record.Type();
  // Field offsets: destination, source, the bitmap's info and bits, the operation.
  struct Layout {
    std::size_t dest, destSize, source, sourceSize, info, rop;
  };
  Layout layout{};
  switch (type) {
    case kEmrBitBlt: layout = {24, 32, 44, 32, 84, 40}; break;
    case kEmrStretchBlt: layout = {24, 32, 44, 100, 84, 40}; break;
    case kEmrAlphaBlend: layout = {24, 32, 44, 100, 84, 0}; break;
    case kEmrStretchDiBits: layout = {24, 72, 32, 40, 48, 68}; break;
    case kEmrSetDiBitsToDevice: layout = {24, 40, 32, 40, 48, 0}; break;
    default: return false;
  }
  if (m_inPath) return true;
  const double x = record.I32(layout.dest), y = record.I32(layout.dest + 4);
  const double cx = record.I32(layout.destSize), cy = record.I32(layout.destSize + 4);
  const std::uint32_t rop = layout.rop ? record.U32(layout.rop) : kSrcCopy;
  // The blt records' bitmap fields come in another order than the DIB records'.
  const bool blt = type == kEmrBitBlt || type == kEmrStretchBlt || type == kEmrAlphaBlend;
  const std::uint32_t infoAt = record.U32(layout.info), infoSize = record.U32(layout.info + 4);
  const std::uint32_t bitsAt = record.U32(layout.info + 8), bitsSize = record.U32(layout.info + 12);
  const std::uint32_t usage = blt ? record.U32(80) : record.U32(64);

  if (blt && infoSize == 0) {
    // No source: the operation paints the brush or a constant over the destination.
    PathShape shape;
    shape.AddRectangle(x, y, x + cx, y + cy);
    const PathShape pdf = shape.Mapped(LogicalToPdf());
    if (rop == kDstCopy) return true;
    if (rop == kBlackness || rop == kWhiteness) {
      m_content.UseClip(m_dc.clip);
      m_content.FillColour(rop == kBlackness ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
      m_content.Raw(pdf.Operators() + "f\n");
      return true;
    }
    if (rop == kPatCopy && m_dc.brush.style != kBsNull) {
      const DcState saved = m_dc;
      m_dc.pen.style = kPsNull;
      m_dc.rop2 = kR2CopyPen;
      PaintPdf(pdf, true, false, false, record);
      m_dc = saved;
      return true;
    }
    if (rop == kPatCopy) return true;
    Picture(record);
    return true;
  }
  // Colours by palette index and operations mixing source with destination need the platform.
  const bool alphaBlend = type == kEmrAlphaBlend;
  if ((!alphaBlend && rop != kSrcCopy) || usage != 0) {
    Picture(record);
    return true;
  }
  const std::uint8_t* info = record.Bytes(infoAt, infoSize);
  const std::uint8_t* bits = record.Bytes(bitsAt, bitsSize);
  if (!info || !bits || infoSize < 16) {
    Picture(record);
    return true;
  }
  const std::int64_t dibWidth = EmfRecord(info, infoSize, 0).I32(4);
  const std::int64_t dibHeight = EmfRecord(info, infoSize, 0).I32(8);
  if (dibWidth <= 0 || dibHeight == 0 || dibWidth * std::llabs(dibHeight) > kMaxPixels) {
    Picture(record);
    return true;
  }
  const std::uint8_t blendAlpha = record.U8(42);
  const bool sourceAlpha = alphaBlend && (record.U8(43) & 1) != 0;
  DecodedDib dib;
  if (!DecodeDib(info, infoSize, bits, bitsSize, sourceAlpha, m_dc.textColour, m_dc.backgroundColour, dib)) {
    Picture(record);
    return true;
  }
  // The source rectangle; bottom-up bitmaps count their rows from the bottom.
  std::int64_t sx = record.I32(layout.source), sy = record.I32(layout.source + 4);
  std::int64_t sw = record.I32(layout.sourceSize), sh = record.I32(layout.sourceSize + 4);
  if (type == kEmrBitBlt) {
    sw = record.I32(32);
    sh = record.I32(36);
  }
  if (!blt && dibHeight > 0) sy = std::int64_t(dib.image.height) - sy - sh;
  if (!Crop(dib, sx, sy, sw, sh)) return true;

  if (alphaBlend) {
    if (sourceAlpha && dib.alpha.size() == std::size_t(dib.image.width) * dib.image.height) {
      // The blend's source is premultiplied: the colours come back whole under the mask.
      for (std::size_t i = 0; i < dib.alpha.size(); ++i) {
        const unsigned alpha = dib.alpha[i];
        for (int c = 0; c < 3; ++c) {
          std::uint8_t& value = dib.image.rgb[i * 3 + std::size_t(c)];
          value = alpha == 0 ? 0 : static_cast<std::uint8_t>(std::min(255u, (value * 255u + alpha / 2) / alpha));
        }
        dib.alpha[i] = static_cast<std::uint8_t>((alpha * blendAlpha + 127) / 255);
      }
    } else if (blendAlpha != 255) {
      dib.alpha.assign(std::size_t(dib.image.width) * dib.image.height, blendAlpha);
    } else {
      dib.alpha.clear();
    }
  }
  const Affine map = LogicalToPdf();
  const double w = type == kEmrSetDiBitsToDevice ? double(dib.image.width) : cx;
  const double h = type == kEmrSetDiBitsToDevice ? double(dib.image.height) : cy;
  PlaceImage(dib, map.Apply(x, y), map.Apply(x + w, y), map.Apply(x, y + h));
  return true;
}
