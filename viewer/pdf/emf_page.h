#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "content_stream.h"
#include "dc_track.h"
#include "emf_record.h"
#include "font_cache.h"
#include "image_cache.h"
#include "page_resources.h"
#include "picture_source.h"

struct PdfPictureChoices;
struct DecodedDib;

// What drawing one page needs from the document.
struct PageContext {
  FontCache& fonts;
  ImageCache& images;
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
  bool PlayGradient(const EmfRecord& record);

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
  // The tiling pattern of a bitmap brush; empty when its bitmap does not decode.
  std::string BitmapPattern(const BrushSpec& brush);

  // The record's part of the page as a picture from the platform.
  void Picture(const EmfRecord& record);
  void PictureOf(const EmfRecord& record, BoxD area);
  void PlaceImage(const DecodedDib& picture, PointD topLeft, PointD topRight, PointD bottomLeft);

  // Clipping.
  void SetClip(ClipState clip);
  void CombineClip(const BoxRegion& region, std::uint32_t mode);

  // Text (emf_page_text.cpp): a run read from its record, then drawn; false when it
  // must be a picture.
  struct TextRun {
    PointD reference;
    std::uint32_t options = 0;
    double rectangle[4] = {};  // left, top, right, bottom, logical
    std::u16string characters;
    std::vector<double> dx, dy;
    std::uint32_t graphicsMode = 1;
  };
  bool ReadText(const EmfRecord& record, std::size_t at, bool wide, TextRun& run) const;
  bool ReadSmallText(const EmfRecord& record, TextRun& run) const;
  bool DrawText(const TextRun& run);

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
  bool m_pathHasText = false;
  std::uint64_t m_nextClipId = 1;
  std::map<std::uint32_t, std::string> m_hatches;
  struct BitmapPatternKey {
    const void* bits;
    std::uint32_t foreground, background;
    bool operator<(const BitmapPatternKey& other) const {
      return std::tie(bits, foreground, background) < std::tie(other.bits, other.foreground, other.background);
    }
  };
  std::map<BitmapPatternKey, std::string> m_bitmapPatterns;
  bool m_plusOnly = false;
};
