#include "page_measure.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "dc_track.h"
#include "emf_record.h"
#include "emf_types.h"

void InkBox::Join(const InkBox& other) {
  if (other.Empty()) return;
  if (Empty()) {
    *this = other;
    return;
  }
  left = std::min(left, other.left);
  top = std::min(top, other.top);
  right = std::max(right, other.right);
  bottom = std::max(bottom, other.bottom);
}

namespace {

constexpr std::uint32_t kEmrSmallTextOut = 108;

bool IsWhite(const Rgb& colour) { return colour.r == 255 && colour.g == 255 && colour.b == 255; }

bool PenShows(const PenSpec& pen) {
  return (pen.style & kPsStyleMask) != kPsNull && (!IsWhite(pen.colour) || pen.patterned);
}

bool BrushShows(const BrushSpec& brush, const DcState& dc) {
  if (brush.style == kBsNull) return false;
  if (brush.style == kBsSolid) return !IsWhite(brush.colour);
  // Hatches in white show only on a background that is not.
  if (brush.style == kBsHatched)
    return !IsWhite(brush.colour) || (dc.backgroundMode == kOpaque && !IsWhite(dc.backgroundColour));
  return true;
}

// The extent of points in logical units; none until the first.
struct Extent {
  bool any = false;
  BoxD box;
  void Include(PointD p) {
    if (any) return box.Include(p);
    box = BoxD::At(p);
    any = true;
  }
  void Include(double x, double y) { Include(PointD{x, y}); }
  void Include(const std::vector<PointD>& points) {
    for (const PointD& p : points) Include(p);
  }
};

// Reads one page's records, following the DC's state, into its measure.
class Measurer {
 public:
  Measurer(const EmfHeader& header) : m_header(header) {
    m_measure.frameWidth = std::max(0.0, double(header.frame[2]) - header.frame[0]);
    m_measure.frameHeight = std::max(0.0, double(header.frame[3]) - header.frame[1]);
    m_perPixelX = header.millimetresWidth * 100 / header.deviceWidth;
    m_perPixelY = header.millimetresHeight * 100 / header.deviceHeight;
  }

  void Read(const EmfRecord& record);
  PageMeasure Finish() {
    const InkBox frame{0, 0, m_measure.frameWidth, m_measure.frameHeight};
    InkBox& ink = m_measure.ink;
    ink = {std::max(ink.left, frame.left), std::max(ink.top, frame.top),
           std::min(ink.right, frame.right), std::min(ink.bottom, frame.bottom)};
    if (ink.Empty()) ink = InkBox();
    return m_measure;
  }

 private:
  // Ink where a bounded record draws: from its own geometry through the mapping, since
  // the bounds some spoolers write are not device pixels, or are left unset; from the
  // bounds where the geometry is not the record's (regions, paths); the whole frame when
  // neither says.
  void InkOfRecord(const EmfRecord& record, bool stroked) {
    const Extent extent = GeometryOf(record);
    if (extent.any) return InkInLogicalBox(extent.box.left, extent.box.bottom, extent.box.right, extent.box.top, stroked);
    const std::int32_t l = record.I32(8), t = record.I32(12), r = record.I32(16), b = record.I32(20);
    if (r < l || b < t) return Everywhere();
    Ink({l * m_perPixelX - m_header.frame[0], t * m_perPixelY - m_header.frame[1],
         (r + 1.0) * m_perPixelX - m_header.frame[0], (b + 1.0) * m_perPixelY - m_header.frame[1]});
  }
  Extent GeometryOf(const EmfRecord& record) const;
  // Ink within a logical box, mapped to the frame, widened by the pen where it strokes.
  void InkInLogicalBox(double l, double t, double r, double b, bool stroked) {
    const Affine map = m_track.dc.mapping.world.Then(m_track.dc.mapping.PageToDevice());
    const double half = stroked ? std::max(1.0, m_track.dc.pen.width * map.Scale()) / 2 : 0;
    InkBox box;
    for (const PointD& p : {map.Apply(l, t), map.Apply(r, t), map.Apply(r, b), map.Apply(l, b)}) {
      const InkBox point{(p.x - half) * m_perPixelX - m_header.frame[0],
                         (p.y - half) * m_perPixelY - m_header.frame[1],
                         (p.x + half + 1) * m_perPixelX - m_header.frame[0],
                         (p.y + half + 1) * m_perPixelY - m_header.frame[1]};
      box.Join(point);
    }
    Ink(box);
  }
  void Everywhere() { Ink({0, 0, m_measure.frameWidth, m_measure.frameHeight}); }
  void Ink(const InkBox& box) {
    if (m_inPath) return m_path.Join(box);
    m_measure.blank = false;
    m_measure.ink.Join(box);
  }

  bool ReadShape(const EmfRecord& record);
  bool ReadBounded(const EmfRecord& record);
  void ReadText(const EmfRecord& record, std::size_t at, bool wide);
  // Where a string's glyphs lie, logical units: its advances from the reference point under
  // the DC's alignment, one font cell high; nothing where the font's size is unknown.
  Extent TextExtent(const EmfRecord& record, std::size_t at) const;
  // The spooler's short text record carries no bounds: its reference point with room of an
  // em around it and one em for each character.
  void ReadSmallText(const EmfRecord& record);
  void NoteText(double em);
  // The em height of the DC's font in 0.01 mm on the paper.
  double FontEm() const;

  EmfHeader m_header;
  DcTrack m_track;
  PageMeasure m_measure;
  double m_perPixelX = 1, m_perPixelY = 1;
  bool m_inPath = false;
  // What the figures of the current path cover, frame units.
  InkBox m_path;
};

void Measurer::Read(const EmfRecord& record) {
  if (m_track.Play(record, m_header)) return;
  switch (record.Type()) {
    case kEmrBeginPath:
      m_inPath = true;
      m_path = InkBox();
      return;
    case kEmrEndPath:
    case kEmrAbortPath: m_inPath = false; return;
    default: break;
  }
  if (ReadShape(record) || ReadBounded(record)) return;
  // Flood fills reach as far as the colour does; EMF+ records in comments are drawn by the
  // platform and not read here: both may draw anywhere.
  const bool plus = record.Type() == kEmrGdiComment && record.U32(8) >= 4 && record.U32(12) == kEmfPlusSignature;
  if (record.Type() == kEmrSmallTextOut) return ReadSmallText(record);
  if (record.Type() == kEmrExtFloodFill || plus) Everywhere();
}

// The records that carry no bounds: their geometry through the mapping.
bool Measurer::ReadShape(const EmfRecord& record) {
  const DcState& dc = m_track.dc;
  const double l = record.I32(8), t = record.I32(12), r = record.I32(16), b = record.I32(20);
  switch (record.Type()) {
    case kEmrRectangle: case kEmrEllipse: case kEmrRoundRect: case kEmrChord: case kEmrPie: {
      const bool stroked = PenShows(dc.pen);
      if (m_inPath || stroked || BrushShows(dc.brush, dc)) InkInLogicalBox(l, t, r, b, stroked);
      return true;
    }
    case kEmrArc: case kEmrArcTo:
      if (m_inPath || PenShows(dc.pen)) InkInLogicalBox(l, t, r, b, true);
      return true;
    case kEmrLineTo:
      if (m_inPath || PenShows(dc.pen))
        InkInLogicalBox(std::min(l, dc.position.x), std::min(t, dc.position.y),
                        std::max(l, dc.position.x), std::max(t, dc.position.y), true);
      m_track.dc.position = {l, t};
      return true;
    case kEmrAngleArc: {
      const double radius = record.U32(16);
      if (m_inPath || PenShows(dc.pen)) InkInLogicalBox(l - radius, t - radius, l + radius, t + radius, true);
      return true;
    }
    case kEmrSetPixelV:
      if (!IsWhite({record.U8(16), record.U8(17), record.U8(18)})) InkInLogicalBox(l, t, l, t, false);
      return true;
    default:
      return false;
  }
}

// The records that carry their bounds: whether what they draw shows on white.
bool Measurer::ReadBounded(const EmfRecord& record) {
  const std::uint32_t type = record.Type();
  if (!HasBounds(type)) return false;
  const DcState& dc = m_track.dc;
  bool shows = true, stroked = false;
  switch (type) {
    case kEmrPolygon: case kEmrPolygon16: case kEmrPolyPolygon: case kEmrPolyPolygon16:
      stroked = PenShows(dc.pen);
      shows = stroked || BrushShows(dc.brush, dc);
      break;
    case kEmrFillPath: case kEmrStrokePath: case kEmrStrokeAndFillPath: {
      // What the path's figures cover, not the bounds: those are often unset.
      stroked = type != kEmrFillPath && PenShows(dc.pen);
      const bool filled = type != kEmrStrokePath && BrushShows(dc.brush, dc);
      if (!m_inPath && (stroked || filled) && !m_path.Empty()) Ink(m_path);
      return true;
    }
    case kEmrPaintRgn: shows = BrushShows(dc.brush, dc); break;
    case kEmrFillRgn: case kEmrFrameRgn: {
      GdiObject stock;
      const GdiObject* brush = m_track.Object(record.U32(28), stock);
      shows = !brush || brush->kind != GdiObject::kBrush || BrushShows(brush->brush, dc);
      break;
    }
    case kEmrPolyline: case kEmrPolyline16: case kEmrPolyBezier: case kEmrPolyBezier16:
    case kEmrPolylineTo: case kEmrPolylineTo16: case kEmrPolyBezierTo: case kEmrPolyBezierTo16:
    case kEmrPolyPolyline: case kEmrPolyPolyline16: case kEmrPolyDraw: case kEmrPolyDraw16:
      shows = stroked = PenShows(dc.pen);
      break;
    case kEmrBitBlt: {
      // Without a source bitmap it paints with the brush, or in white or black.
      const std::uint32_t rop = record.U32(40);
      const bool source = record.U32(88) != 0;
      if (rop == kWhiteness || rop == kDstCopy) shows = false;
      if (!source && rop == kPatCopy) shows = BrushShows(dc.brush, dc);
      break;
    }
    case kEmrExtTextOutA: case kEmrExtTextOutW: ReadText(record, 36, type == kEmrExtTextOutW); return true;
    case kEmrPolyTextOutA: case kEmrPolyTextOutW:
      for (std::uint32_t i = 0; i < record.U32(36) && record.Has(40 + std::size_t(i) * 40, 40); ++i)
        ReadText(record, 40 + std::size_t(i) * 40, type == kEmrPolyTextOutW);
      return true;
    default: break;
  }
  // Figures inside a path bracket join the path whether or not the pen shows.
  if (shows || m_inPath) InkOfRecord(record, stroked);
  return true;
}

Extent Measurer::GeometryOf(const EmfRecord& record) const {
  const std::uint32_t type = record.Type();
  const bool small = type >= kEmrPolyBezier16 && type <= kEmrPolyDraw16;
  Extent extent;
  const auto destination = [&](std::size_t xAt, std::size_t widthAt) {
    const double x = record.I32(xAt), y = record.I32(xAt + 4);
    extent.Include(x, y);
    extent.Include(x + record.I32(widthAt), y + record.I32(widthAt + 4));
  };
  switch (type) {
    case kEmrPolyline: case kEmrPolyline16: case kEmrPolygon: case kEmrPolygon16:
    case kEmrPolyBezier: case kEmrPolyBezier16: case kEmrPolyDraw: case kEmrPolyDraw16:
      extent.Include(RecordPoints(record, 28, record.U32(24), small));
      break;
    case kEmrPolylineTo: case kEmrPolylineTo16: case kEmrPolyBezierTo: case kEmrPolyBezierTo16:
      extent.Include(m_track.dc.position.x, m_track.dc.position.y);
      extent.Include(RecordPoints(record, 28, record.U32(24), small));
      break;
    case kEmrPolyPolyline: case kEmrPolyPolyline16: case kEmrPolyPolygon: case kEmrPolyPolygon16:
      if (record.Has(32, std::size_t(record.U32(24)) * 4))
        extent.Include(RecordPoints(record, 32 + std::size_t(record.U32(24)) * 4, record.U32(28), small));
      break;
    case kEmrBitBlt: case kEmrStretchBlt: case kEmrMaskBlt: case kEmrAlphaBlend: case kEmrTransparentBlt:
      destination(24, 32);
      break;
    case kEmrStretchDiBits: destination(24, 72); break;
    case kEmrSetDiBitsToDevice: destination(24, 40); break;
    case kEmrPlgBlt: {
      const std::vector<PointD> corners = RecordPoints(record, 24, 3, false);
      extent.Include(corners);
      if (corners.size() == 3)
        extent.Include(corners[1].x + corners[2].x - corners[0].x, corners[1].y + corners[2].y - corners[0].y);
      break;
    }
    case kEmrGradientFill:
      for (std::uint32_t i = 0; i < record.U32(24) && record.Has(36 + std::size_t(i) * 16, 16); ++i)
        extent.Include(record.I32(36 + std::size_t(i) * 16), record.I32(40 + std::size_t(i) * 16));
      break;
    default: break;
  }
  return extent;
}

// One string of a text record at `at` (its EMRTEXT); spaces alone draw nothing.
void Measurer::ReadText(const EmfRecord& record, std::size_t at, bool wide) {
  const DcState& dc = m_track.dc;
  const std::uint32_t count = record.U32(at + 8);
  const std::uint32_t stringAt = record.U32(at + 12);
  const std::uint32_t options = record.U32(at + 16);
  const std::size_t unit = wide ? 2 : 1;
  bool characters = false;
  for (std::uint32_t i = 0; i < count && record.Has(stringAt + i * unit, unit) && !characters; ++i) {
    const std::uint32_t c = wide ? record.U16(stringAt + i * unit) : record.U8(stringAt + i);
    characters = (options & kEtoGlyphIndex) != 0 || (c != 0x20 && c != 0xA0 && c != 0x3000);
  }
  const bool background = ((options & kEtoOpaque) != 0 || dc.backgroundMode == kOpaque) &&
                          !IsWhite(dc.backgroundColour) && !m_inPath;
  const bool textShows = characters && (m_inPath || !IsWhite(dc.textColour));
  if ((options & kEtoOpaque) != 0 && background)
    InkInLogicalBox(record.I32(at + 20), record.I32(at + 24), record.I32(at + 28), record.I32(at + 32), false);
  if (!textShows && !background) return;
  const Extent glyphs = TextExtent(record, at);
  if (glyphs.any)
    InkInLogicalBox(glyphs.box.left, glyphs.box.bottom, glyphs.box.right, glyphs.box.top, false);
  else
    InkOfRecord(record, false);
  if (textShows && !m_inPath) NoteText(FontEm());
}

Extent Measurer::TextExtent(const EmfRecord& record, std::size_t at) const {
  const DcState& dc = m_track.dc;
  Extent extent;
  // The default font's size is the platform's; only the bounds tell then.
  if (dc.font.height == 0 || dc.font.devicePixels) return extent;
  const double cell = dc.font.height < 0 ? -dc.font.height / kEmPerCellHeight : dc.font.height;
  const std::uint32_t count = record.U32(at + 8);
  const std::uint32_t dxAt = record.U32(at + 36);
  const std::size_t step = (record.U32(at + 16) & kEtoPdy) ? 8 : 4;
  double width = 0;
  if (dxAt != 0 && record.Has(dxAt, count * step)) {
    for (std::uint32_t i = 0; i < count; ++i) width += std::fabs(double(record.I32(dxAt + i * step)));
  } else {
    width = count * cell;  // an em a character at most, for the usual faces
  }
  const bool current = (dc.textAlign & kTaUpdateCp) != 0;
  const double x = current ? dc.position.x : record.I32(at), y = current ? dc.position.y : record.I32(at + 4);
  if (dc.font.escapement != 0) {
    // Turned text: anywhere within its length around the reference point.
    const double reach = width + cell;
    extent.Include(x - reach, y - reach);
    extent.Include(x + reach, y + reach);
    return extent;
  }
  const std::uint32_t horizontal = dc.textAlign & 6, vertical = dc.textAlign & 24;
  const double left = horizontal == 6 ? x - width / 2 : horizontal == 2 ? x - width : x;
  // Down the page on the device: y grows upwards in the metric and English mappings.
  const double down = dc.mapping.PageToDevice().d < 0 ? -1 : 1;
  const double above = vertical == 0 ? 0 : vertical == 8 ? cell : cell * 0.8;
  extent.Include(left, y - down * above);
  extent.Include(left + width, y + down * (cell - above));
  return extent;
}

void Measurer::NoteText(double em) {
  if (em > 0 && (m_measure.smallestText == 0 || em < m_measure.smallestText)) m_measure.smallestText = em;
}

void Measurer::ReadSmallText(const EmfRecord& record) {
  const DcState& dc = m_track.dc;
  const std::uint32_t count = record.U32(16);
  if (m_inPath || count == 0 || IsWhite(dc.textColour)) return;
  const double height = dc.font.height;
  const double em = height < 0 ? -height : height > 0 ? height * kEmPerCellHeight : 0;
  if (em == 0) return Everywhere();
  const double x = record.I32(8), y = record.I32(12);
  InkInLogicalBox(x - em, y - em, x + em * (count + 1), y + em, false);
  NoteText(FontEm());
}

double Measurer::FontEm() const {
  const DcMapping& mapping = m_track.dc.mapping;
  const double height = m_track.dc.font.height;
  // 0 asks for the platform's default size, which the metafile does not say.
  if (height == 0) return 0;
  const double em = height < 0 ? -height : height * kEmPerCellHeight;
  // The font's height runs along the logical y axis, through world and page mapping.
  const Affine map = mapping.world.Then(mapping.PageToDevice());
  const double dx = map.c * em, dy = map.d * em;
  return std::hypot(dx * m_perPixelX, dy * m_perPixelY);
}

}  // namespace

PageMeasure MeasurePage(const std::uint8_t* emf, std::size_t size) {
  EmfHeader header;
  if (!ReadEmfHeader(emf, size, header)) {
    PageMeasure unread;
    unread.blank = false;
    return unread;
  }
  Measurer measurer(header);
  EmfRecords records(emf, size);
  EmfRecord record(emf, 0, 0);
  while (records.Next(record))
    if (record.Index() != 0) measurer.Read(record);
  return measurer.Finish();
}
