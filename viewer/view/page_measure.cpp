#include "page_measure.h"

#include <algorithm>
#include <cmath>

#include "dc_track.h"
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
  // Ink within the device box at `offset` (inclusive pixels); the whole frame when the
  // record says no extent.
  void InkInBounds(const EmfRecord& record) {
    const std::int32_t l = record.I32(8), t = record.I32(12), r = record.I32(16), b = record.I32(20);
    if (r < l || b < t) return Everywhere();
    Ink({l * m_perPixelX - m_header.frame[0], t * m_perPixelY - m_header.frame[1],
         (r + 1.0) * m_perPixelX - m_header.frame[0], (b + 1.0) * m_perPixelY - m_header.frame[1]});
  }
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
    m_measure.blank = false;
    m_measure.ink.Join(box);
  }

  bool ReadShape(const EmfRecord& record);
  bool ReadBounded(const EmfRecord& record);
  void ReadText(const EmfRecord& record, std::size_t at, bool wide);
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
};

void Measurer::Read(const EmfRecord& record) {
  if (m_track.Play(record, m_header)) return;
  switch (record.Type()) {
    case kEmrBeginPath: m_inPath = true; return;
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
      if (!m_inPath && (stroked || BrushShows(dc.brush, dc))) InkInLogicalBox(l, t, r, b, stroked);
      return true;
    }
    case kEmrArc: case kEmrArcTo:
      if (!m_inPath && PenShows(dc.pen)) InkInLogicalBox(l, t, r, b, true);
      return true;
    case kEmrLineTo:
      if (!m_inPath && PenShows(dc.pen))
        InkInLogicalBox(std::min(l, dc.position.x), std::min(t, dc.position.y),
                        std::max(l, dc.position.x), std::max(t, dc.position.y), true);
      m_track.dc.position = {l, t};
      return true;
    case kEmrAngleArc: {
      const double radius = record.U32(16);
      if (!m_inPath && PenShows(dc.pen)) InkInLogicalBox(l - radius, t - radius, l + radius, t + radius, true);
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
  bool shows = true;
  switch (type) {
    case kEmrPolygon: case kEmrPolygon16: case kEmrPolyPolygon: case kEmrPolyPolygon16:
    case kEmrStrokeAndFillPath:
      shows = PenShows(dc.pen) || BrushShows(dc.brush, dc);
      break;
    case kEmrFillPath: case kEmrPaintRgn: shows = BrushShows(dc.brush, dc); break;
    case kEmrFillRgn: case kEmrFrameRgn: {
      GdiObject stock;
      const GdiObject* brush = m_track.Object(record.U32(28), stock);
      shows = !brush || brush->kind != GdiObject::kBrush || BrushShows(brush->brush, dc);
      break;
    }
    case kEmrPolyline: case kEmrPolyline16: case kEmrPolyBezier: case kEmrPolyBezier16:
    case kEmrPolylineTo: case kEmrPolylineTo16: case kEmrPolyBezierTo: case kEmrPolyBezierTo16:
    case kEmrPolyPolyline: case kEmrPolyPolyline16: case kEmrPolyDraw: case kEmrPolyDraw16:
    case kEmrStrokePath:
      shows = PenShows(dc.pen);
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
  // Figures inside a path bracket draw nothing until the path is filled or stroked.
  const bool figure = type != kEmrFillPath && type != kEmrStrokePath && type != kEmrStrokeAndFillPath;
  if (shows && !(m_inPath && figure)) InkInBounds(record);
  return true;
}

// One string of a text record at `at` (its EMRTEXT); spaces alone draw nothing.
void Measurer::ReadText(const EmfRecord& record, std::size_t at, bool wide) {
  if (m_inPath) return;
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
                          !IsWhite(dc.backgroundColour);
  const bool textShows = characters && !IsWhite(dc.textColour);
  if (!textShows && !background) return;
  InkInBounds(record);
  if (textShows) NoteText(FontEm());
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
