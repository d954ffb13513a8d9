#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "content_stream.h"
#include "dc_track.h"
#include "emf_record.h"
#include "font_cache.h"
#include "page_resources.h"
#include "picture_source.h"

struct PdfPictureChoices;
struct DecodedDib;

// What drawing one page needs from the document.
struct PageContext {
  FontCache& fonts;
  PageResources& resources;
  PictureSource& pictures;
  const PdfPictureChoices& choices;
};

// Plays one metafile's records into a page's content stream: the DC's state, its object
// table and path, every record handed to a function of its family (emf_page_*.cpp).
class EmfPage {
 public:
  EmfPage(const EmfHeader& header, double widthPoints, double heightPoints, PageContext context);
  // Translates every record of `emf`; a damaged record ends the page there.
  std::string Translate(const std::uint8_t* emf, std::size_t size);

 private:
  void Play(const EmfRecord& record);
  bool PlayState(const EmfRecord& record);
  bool PlayClip(const EmfRecord& record);
  bool PlayPath(const EmfRecord& record);
  bool PlayShape(const EmfRecord& record);
  bool PlayPoly(const EmfRecord& record);
  bool PlayRegion(const EmfRecord& record);
  bool PlayText(const EmfRecord& record);
  bool PlayBitmap(const EmfRecord& record);

  // Coordinates.
  Affine LogicalToPdf() const;
  PointD Pdf(PointD logical) const { return LogicalToPdf().Apply(logical); }
  double DevicePixel() const { return m_deviceToPdf.Scale(); }
  // A rectangle of device pixels at `offset`: bounds include their right and bottom
  // pixels, region rectangles do not.
  BoxD DeviceBox(const EmfRecord& record, std::size_t offset, bool inclusive) const;
  BoxD LogicalBox(double left, double top, double right, double bottom) const;

  // Drawing with the DC's pen and brush; inside a path bracket the figures join the path.
  void Draw(const PathShape& logical, bool fill, bool stroke, const EmfRecord& record);
  void PaintPdf(const PathShape& pdf, bool fill, bool stroke, bool evenOdd, const EmfRecord& record);
  // False for brushes PDF cannot fill with (patterns of bitmaps).
  bool ApplyBrush(const BrushSpec& brush);
  void ApplyPen();
  void FillBox(const BoxD& box, Rgb colour);
  std::string HatchPattern(std::uint32_t hatch);

  // The record's part of the page as a picture from the platform.
  void Picture(const EmfRecord& record);
  void PictureOf(const EmfRecord& record, BoxD area);
  void PlaceImage(const DecodedDib& picture, PointD topLeft, PointD topRight, PointD bottomLeft);

  // Clipping.
  void SetClip(ClipState clip);
  void CombineClip(const BoxRegion& region, std::uint32_t mode);

  // Text (emf_page_text.cpp).
  bool DrawText(const EmfRecord& record, std::size_t textOffset, bool wide, std::uint32_t graphicsMode);

  EmfHeader m_header;
  BoxD m_page;
  Affine m_deviceToPdf;
  PageContext m_context;
  ContentStream m_content;
  DcTrack m_track;
  DcState& m_dc = m_track.dc;
  // The path bracket: figures in PDF points, mapped when they were added.
  bool m_inPath = false;
  PathShape m_path;
  bool m_widened = false;
  std::uint64_t m_nextClipId = 1;
  std::map<std::uint32_t, std::string> m_hatches;
  bool m_plusOnly = false;
};
