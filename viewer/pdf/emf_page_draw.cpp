// Lines, shapes, paths and regions with the DC's pen and brush.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "dib_image.h"
#include "emf_page.h"
#include "emf_types.h"
#include "pdf_image.h"
#include "pdf_syntax.h"

namespace {

std::string BoxOps(const BoxD& box) { return PdfRectangle(box.left, box.bottom, box.right, box.top); }

void AddBeziers(PathShape& shape, const std::vector<PointD>& points, std::size_t first) {
  for (std::size_t i = first; i + 2 < points.size(); i += 3) shape.CurveTo(points[i], points[i + 1], points[i + 2]);
}

}  // namespace

bool EmfPage::ApplyBrush(const BrushSpec& brush) {
  switch (brush.style) {
    case kBsSolid: m_content.FillColour(brush.colour); return true;
    case kBsHatched: m_content.FillPattern(HatchPattern(brush.hatch), brush.colour); return true;
    case kBsDibPatternPt: {
      const std::string pattern = BitmapPattern(brush);
      if (pattern.empty()) return false;
      m_content.FillPattern(pattern);
      return true;
    }
    default: return false;
  }
}

std::string EmfPage::BitmapPattern(const BrushSpec& brush) {
  if (!brush.info || !brush.bits) return "";
  const Rgb fore = m_dc.textColour, back = m_dc.backgroundColour;
  const BitmapPatternKey key{brush.bits.get(), std::uint32_t(fore.r | fore.g << 8 | fore.b << 16),
                             std::uint32_t(back.r | back.g << 8 | back.b << 16)};
  auto found = m_bitmapPatterns.find(key);
  if (found != m_bitmapPatterns.end()) return found->second;
  DecodedDib dib;
  // A brush's bitmap is a small tile; a large one is no brush worth tiling.
  const EmfRecord header(brush.info->data(), brush.info->size(), 0);
  const std::int64_t width = header.I32(4), height = std::llabs(std::int64_t(header.I32(8)));
  const bool decoded = width > 0 && height > 0 && width * height <= 256 * 256 &&
                       DecodeDib(brush.info->data(), brush.info->size(), brush.bits->data(), brush.bits->size(), false,
                                 fore, back, dib);
  std::string name;
  if (decoded && dib.image.width > 0 && dib.image.height > 0) {
    const double pixel = DevicePixel();
    const std::uint32_t image = m_context.resources.Allocate(PdfImageObjectCount(dib));
    for (PdfObject& object :
         PdfImageObjects(dib, dib.image.width * pixel, dib.image.height * pixel, m_context.choices, image))
      m_context.resources.Add(std::move(object));
    // One tile of device pixels, y down, tiled from the device origin as GDI tiles brushes.
    const std::string w = std::to_string(dib.image.width), h = std::to_string(dib.image.height);
    const std::string cell = "q " + w + " 0 0 -" + h + " 0 " + h + " cm /I0 Do Q";
    PdfObject pattern;
    pattern.number = m_context.resources.Allocate(1);
    pattern.body = PdfStreamBody(
        "/Type /Pattern /PatternType 1 /PaintType 1 /TilingType 1 /BBox [0 0 " + w + " " + h + "] /XStep " + w +
            " /YStep " + h + " /Resources << /XObject << /I0 " + std::to_string(image) + " 0 R >> >> /Matrix [" +
            PdfNumber(pixel) + " 0 0 " + PdfNumber(-pixel) + " " + PdfNumber(m_deviceToPdf.e) + " " +
            PdfNumber(m_deviceToPdf.f) + "]",
        std::vector<std::uint8_t>(cell.begin(), cell.end()));
    name = m_context.resources.Pattern(pattern.number);
    m_context.resources.Add(std::move(pattern));
  }
  m_bitmapPatterns.emplace(key, name);
  return name;
}

std::string EmfPage::HatchPattern(std::uint32_t hatch) {
  hatch = std::min<std::uint32_t>(hatch, 5);
  auto found = m_hatches.find(hatch);
  if (found != m_hatches.end()) return found->second;
  // An eight-pixel cell of the reference device, y down as GDI draws it, tiled from the
  // device origin as brushes are.
  static const char* const kCells[] = {
      "0 3.5 m 8 3.5 l S", "3.5 0 m 3.5 8 l S", "-1 -1 m 9 9 l S", "-1 9 m 9 -1 l S",
      "0 3.5 m 8 3.5 l 3.5 0 m 3.5 8 l S", "-1 -1 m 9 9 l -1 9 m 9 -1 l S"};
  const std::string cell = std::string("1 w 0 J ") + kCells[hatch];
  const double pixel = DevicePixel();
  const std::string entries =
      "/Type /Pattern /PatternType 1 /PaintType 2 /TilingType 1 /BBox [0 0 8 8] /XStep 8 /YStep 8 "
      "/Resources << >> /Matrix [" + PdfNumber(pixel) + " 0 0 " + PdfNumber(-pixel) + " " +
      PdfNumber(m_deviceToPdf.e) + " " + PdfNumber(m_deviceToPdf.f) + "]";
  PdfObject pattern;
  pattern.number = m_context.resources.Allocate(1);
  pattern.body = PdfStreamBody(entries, std::vector<std::uint8_t>(cell.begin(), cell.end()));
  const std::string name = m_context.resources.Pattern(pattern.number);
  m_context.resources.Add(std::move(pattern));
  m_hatches.emplace(hatch, name);
  return name;
}

void EmfPage::ApplyPen() {
  const PenSpec& pen = m_dc.pen;
  const std::uint32_t style = pen.style & kPsStyleMask;
  const bool geometric = pen.extended ? (pen.style & kPsGeometric) != 0 : pen.width > 1;
  const double pixel = DevicePixel();
  StrokeStyle stroke;
  stroke.width = geometric ? std::max(pixel, pen.width * LogicalToPdf().Scale()) : pixel;
  stroke.miterLimit = m_dc.miterLimit;
  if (geometric) {
    // CreatePen's wide pens are round; extended pens say their caps and joins.
    const std::uint32_t cap = pen.extended ? pen.style & kPsEndCapMask : 0;
    const std::uint32_t join = pen.extended ? pen.style & kPsJoinMask : 0;
    stroke.cap = cap == kPsEndCapFlat ? 0 : cap == kPsEndCapSquare ? 2 : 1;
    stroke.join = join == kPsJoinMiter ? 0 : join == kPsJoinBevel ? 2 : 1;
  }
  // Dashes: cosmetic pens in pixels, geometric ones in multiples of their width; CreatePen's
  // wide pens draw solid whatever their style.
  const bool dashable = pen.extended || !geometric;
  const double unit = pen.extended && geometric ? stroke.width : pixel;
  static const std::vector<double> kCosmetic[] = {{}, {18, 6}, {3, 3}, {9, 6, 3, 6}, {9, 3, 3, 3, 3, 3}};
  static const std::vector<double> kGeometric[] = {{}, {3, 1}, {1, 1}, {3, 1, 1, 1}, {3, 1, 1, 1, 1, 1}};
  std::vector<double> pattern;
  if (dashable && style >= kPsDash && style <= kPsDashDotDot)
    pattern = (pen.extended && geometric ? kGeometric : kCosmetic)[style];
  if (dashable && style == kPsAlternate) pattern = {1, 1};
  double patternUnit = unit;
  if (style == kPsUserStyle) {
    // A user style is in logical units for geometric pens, in pixels for cosmetic ones.
    pattern = pen.userStyle;
    patternUnit = geometric ? LogicalToPdf().Scale() : pixel;
  }
  const bool anyLength = std::any_of(pattern.begin(), pattern.end(), [](double d) { return d > 0; });
  if (anyLength)
    for (double length : pattern) stroke.dashes.push_back(std::min(length * patternUnit, 1e5));
  m_content.Stroke(stroke);
  m_content.StrokeColour(pen.colour);
}

void EmfPage::FillBox(const BoxD& box, Rgb colour) {
  m_content.UseClip(m_dc.clip);
  m_content.FillColour(colour);
  m_content.Raw(BoxOps(box) + "f\n");
}

void EmfPage::PaintPdf(const PathShape& pdf, bool fill, bool stroke, bool evenOdd, const EmfRecord& record) {
  if (pdf.Empty() || m_dc.rop2 == kR2Nop) return;
  const std::uint32_t penStyle = m_dc.pen.style & kPsStyleMask;
  fill = fill && m_dc.brush.style != kBsNull;
  stroke = stroke && penStyle != kPsNull;
  if (!fill && !stroke) return;
  const bool brushDrawable = !fill || m_dc.brush.style == kBsSolid || m_dc.brush.style == kBsHatched ||
                             !BitmapPattern(m_dc.brush).empty();
  if (m_dc.rop2 != kR2CopyPen || !brushDrawable || (stroke && m_dc.pen.patterned)) {
    BoxD box;
    if (!pdf.Bounds(box)) return;
    const double margin = std::max(DevicePixel(), m_dc.pen.width * LogicalToPdf().Scale()) + DevicePixel();
    PictureOf(record, {box.left - margin, box.bottom - margin, box.right + margin, box.top + margin});
    return;
  }
  m_content.UseClip(m_dc.clip);
  const std::string path = pdf.Operators();
  if (fill && m_dc.brush.style == kBsHatched && m_dc.backgroundMode == kOpaque) {
    m_content.FillColour(m_dc.backgroundColour);
    m_content.Raw(path + (evenOdd ? "f*\n" : "f\n"));
  }
  if (fill) ApplyBrush(m_dc.brush);
  if (stroke) {
    ApplyPen();
    const bool dashed = penStyle != kPsSolid && penStyle != kPsInsideFrame;
    if (dashed && m_dc.backgroundMode == kOpaque) {
      // The gaps of a dashed line show the background colour: a solid line beneath.
      m_content.Isolated(path + "[] 0 d " + PdfColour(m_dc.backgroundColour) + " RG S\n");
    }
  }
  const char* op = fill && stroke ? (evenOdd ? "B*" : "B") : fill ? (evenOdd ? "f*" : "f") : "S";
  m_content.Raw(path + op + "\n");
}

void EmfPage::Draw(const PathShape& logical, bool fill, bool stroke, const EmfRecord& record) {
  const PathShape pdf = logical.Mapped(LogicalToPdf());
  if (m_inPath) {
    m_path.Append(pdf, true);
    return;
  }
  PaintPdf(pdf, fill, stroke, m_dc.polyFillMode == kAlternate, record);
}

bool EmfPage::PlayPath(const EmfRecord& record) {
  switch (record.Type()) {
    case kEmrBeginPath:
      m_inPath = true;
      m_path = PathShape();
      m_widened = m_pathHasText = false;
      return true;
    case kEmrEndPath: m_inPath = false; return true;
    case kEmrAbortPath:
      m_inPath = false;
      m_path = PathShape();
      m_widened = m_pathHasText = false;
      return true;
    case kEmrCloseFigure:
      if (m_inPath) m_path.Close();
      return true;
    case kEmrFlattenPath: m_path = m_path.Flattened(); return true;
    case kEmrWidenPath: m_widened = true; return true;
    case kEmrFillPath:
    case kEmrStrokePath:
    case kEmrStrokeAndFillPath: {
      if (m_inPath) return true;
      const bool evenOdd = m_dc.polyFillMode == kAlternate;
      if (m_pathHasText) {
        Picture(record);
      } else if (m_widened && record.Type() == kEmrFillPath) {
        // The outline of a widened path filled is the path stroked in the brush's colour.
        const PenSpec pen = m_dc.pen;
        m_dc.pen.colour = m_dc.brush.colour;
        m_dc.pen.style &= ~kPsStyleMask;
        if (m_dc.brush.style != kBsNull) PaintPdf(m_path, false, true, evenOdd, record);
        m_dc.pen = pen;
      } else {
        PaintPdf(m_path, record.Type() != kEmrStrokePath, record.Type() != kEmrFillPath, evenOdd, record);
      }
      m_path = PathShape();
      m_widened = m_pathHasText = false;
      return true;
    }
    case kEmrSelectClipPath: {
      if (m_inPath) return true;
      const std::uint32_t mode = record.U32(8);
      ClipLayer layer{m_path, m_dc.polyFillMode == kAlternate};
      m_path = PathShape();
      const bool inexpressible = m_widened || m_pathHasText;
      m_widened = m_pathHasText = false;
      // A widened outline or glyphs' outlines cannot be a PDF clip; the clip stays as it was.
      if (inexpressible) return true;
      ClipState clip = m_dc.clip;
      const bool whole = !clip.clipped;
      if (whole) {
        clip.clipped = true;
        clip.region = BoxRegion(BoxD{-1e6, -1e6, 1e6, 1e6});
      }
      switch (mode) {
        case kRgnAnd: clip.layers.push_back(layer); break;
        case kRgnCopy:
        case kRgnXor:
          clip.region = BoxRegion(BoxD{-1e6, -1e6, 1e6, 1e6});
          clip.layers.assign(1, layer);
          break;
        case kRgnDiff: {
          PathShape outside;
          outside.AddRectangle(-1e6, -1e6, 1e6, 1e6);
          outside.Append(layer.path);
          clip.layers.push_back({outside, true});
          break;
        }
        case kRgnOr: {
          if (whole) return true;
          // The union of a region and a path is wider than PDF can clip: the region grows to
          // take in the path's box.
          BoxD box;
          if (layer.path.Bounds(box))
            clip.region = clip.region.Union(BoxRegion(box));
          clip.layers.clear();
          break;
        }
        default: return true;
      }
      SetClip(std::move(clip));
      return true;
    }
    default:
      return false;
  }
}

bool EmfPage::PlayShape(const EmfRecord& record) {
  const double l = record.I32(8), t = record.I32(12), r = record.I32(16), b = record.I32(20);
  const PointD start{double(record.I32(24)), double(record.I32(28))};
  const PointD end{double(record.I32(32)), double(record.I32(36))};
  const bool clockwise = m_dc.arcDirection == kAdClockwise;
  PathShape shape;
  switch (record.Type()) {
    case kEmrRectangle:
      shape.AddRectangle(l, t, r, b);
      Draw(shape, true, true, record);
      return true;
    case kEmrEllipse:
      shape.AddEllipse(l, t, r, b);
      Draw(shape, true, true, record);
      return true;
    case kEmrRoundRect:
      shape.AddRoundRect(l, t, r, b, record.I32(24), record.I32(28));
      Draw(shape, true, true, record);
      return true;
    case kEmrArc:
    case kEmrChord:
    case kEmrPie:
    case kEmrArcTo: {
      const bool to = record.Type() == kEmrArcTo;
      if (record.Type() == kEmrPie) shape.MoveTo({(l + r) / 2, (t + b) / 2});
      if (to) shape.MoveTo(m_dc.position);
      shape.AddArc(l, t, r, b, start, end, clockwise, to || record.Type() == kEmrPie);
      if (to && shape.HasCurrent()) m_dc.position = shape.Current();
      const bool closed = record.Type() == kEmrChord || record.Type() == kEmrPie;
      if (closed) shape.Close();
      Draw(shape, closed, true, record);
      return true;
    }
    case kEmrAngleArc: {
      shape.MoveTo(m_dc.position);
      shape.AddAngleArc({l, t}, record.U32(16), record.F32(20), record.F32(24));
      m_dc.position = shape.Current();
      Draw(shape, false, true, record);
      return true;
    }
    case kEmrLineTo: {
      shape.MoveTo(m_dc.position);
      shape.LineTo({l, t});
      m_dc.position = {l, t};
      Draw(shape, false, true, record);
      return true;
    }
    case kEmrSetPixelV: {
      const PointD at = Pdf({l, t});
      const double half = DevicePixel() / 2;
      FillBox({at.x - half, at.y - half, at.x + half, at.y + half}, {record.U8(16), record.U8(17), record.U8(18)});
      return true;
    }
    default:
      return false;
  }
}

bool EmfPage::PlayPoly(const EmfRecord& record) {
  const std::uint32_t type = record.Type();
  const bool small = type >= kEmrPolyBezier16 && type <= kEmrPolyDraw16;
  PathShape shape;
  switch (type) {
    case kEmrPolyline: case kEmrPolyline16: case kEmrPolygon: case kEmrPolygon16:
    case kEmrPolyBezier: case kEmrPolyBezier16: {
      const std::vector<PointD> points = RecordPoints(record, 28, record.U32(24), small);
      if (points.empty()) return true;
      shape.MoveTo(points[0]);
      const bool bezier = type == kEmrPolyBezier || type == kEmrPolyBezier16;
      if (bezier) AddBeziers(shape, points, 1);
      for (std::size_t i = 1; !bezier && i < points.size(); ++i) shape.LineTo(points[i]);
      const bool polygon = type == kEmrPolygon || type == kEmrPolygon16;
      if (polygon) shape.Close();
      Draw(shape, polygon, true, record);
      return true;
    }
    case kEmrPolylineTo: case kEmrPolylineTo16: case kEmrPolyBezierTo: case kEmrPolyBezierTo16: {
      const std::vector<PointD> points = RecordPoints(record, 28, record.U32(24), small);
      if (points.empty()) return true;
      shape.MoveTo(m_dc.position);
      if (type == kEmrPolyBezierTo || type == kEmrPolyBezierTo16)
        AddBeziers(shape, points, 0);
      else
        for (const PointD& p : points) shape.LineTo(p);
      m_dc.position = shape.Current();
      Draw(shape, false, true, record);
      return true;
    }
    case kEmrPolyPolyline: case kEmrPolyPolyline16: case kEmrPolyPolygon: case kEmrPolyPolygon16: {
      const std::uint32_t figures = record.U32(24);
      if (!record.Has(32, std::size_t(figures) * 4)) return true;
      const std::vector<PointD> points = RecordPoints(record, 32 + std::size_t(figures) * 4, record.U32(28), small);
      const bool polygon = type == kEmrPolyPolygon || type == kEmrPolyPolygon16;
      std::size_t next = 0;
      for (std::uint32_t figure = 0; figure < figures; ++figure) {
        const std::size_t count = record.U32(32 + std::size_t(figure) * 4);
        if (count > points.size() - next) break;
        for (std::size_t i = 0; i < count; ++i)
          i == 0 ? shape.MoveTo(points[next + i]) : shape.LineTo(points[next + i]);
        if (polygon && count > 0) shape.Close();
        next += count;
      }
      Draw(shape, polygon, true, record);
      return true;
    }
    case kEmrPolyDraw: case kEmrPolyDraw16: {
      const std::vector<PointD> points = RecordPoints(record, 28, record.U32(24), small);
      const std::size_t typesAt = 28 + points.size() * (small ? 4 : 8);
      shape.MoveTo(m_dc.position);
      for (std::size_t i = 0; i < points.size() && record.Has(typesAt + i, 1); ++i) {
        const std::uint8_t kind = record.U8(typesAt + i);
        if ((kind & ~kPtCloseFigure) == kPtMoveTo) {
          shape.MoveTo(points[i]);
        } else if ((kind & ~kPtCloseFigure) == kPtBezierTo && i + 2 < points.size()) {
          shape.CurveTo(points[i], points[i + 1], points[i + 2]);
          i += 2;
          if (record.U8(typesAt + i) & kPtCloseFigure) shape.Close();
          continue;
        } else {
          shape.LineTo(points[i]);
        }
        if (kind & kPtCloseFigure) shape.Close();
      }
      m_dc.position = shape.Current();
      Draw(shape, false, true, record);
      return true;
    }
    default:
      return false;
  }
}

bool EmfPage::PlayRegion(const EmfRecord& record) {
  const std::uint32_t type = record.Type();
  if (type != kEmrFillRgn && type != kEmrFrameRgn && type != kEmrPaintRgn && type != kEmrInvertRgn) return false;
  if (type == kEmrInvertRgn || m_dc.rop2 != kR2CopyPen) {
    Picture(record);
    return true;
  }
  const std::size_t dataAt = type == kEmrFrameRgn ? 40 : type == kEmrFillRgn ? 32 : 28;
  BrushSpec brush = m_dc.brush;
  if (type != kEmrPaintRgn) {
    const std::uint32_t index = record.U32(28);
    GdiObject stock;
    const GdiObject* object = m_track.Object(index, stock);
    if (!object || object->kind != GdiObject::kBrush) return true;
    brush = object->brush;
  }
  if (brush.style == kBsNull) return true;
  const std::uint32_t count = record.U32(dataAt + 8);
  std::vector<BoxD> boxes;
  for (std::uint32_t i = 0; i < count && record.Has(dataAt + 32 + std::size_t(i) * 16, 16); ++i)
    boxes.push_back(DeviceBox(record, dataAt + 32 + std::size_t(i) * 16, false));
  if (boxes.empty()) return true;
  if (brush.style != kBsSolid && brush.style != kBsHatched && BitmapPattern(brush).empty()) {
    Picture(record);
    return true;
  }
  std::string path;
  if (type == kEmrFrameRgn) {
    // Each box's edges, as wide and high as the stroke's logical size.
    const PointD origin = Pdf({0, 0}), stroke = Pdf({double(record.I32(32)), double(record.I32(36))});
    const double w = std::fabs(stroke.x - origin.x), h = std::fabs(stroke.y - origin.y);
    for (const BoxD& box : boxes) {
      path += BoxOps({box.left, box.bottom, box.right, std::min(box.top, box.bottom + h)});
      path += BoxOps({box.left, std::max(box.bottom, box.top - h), box.right, box.top});
      path += BoxOps({box.left, box.bottom, std::min(box.right, box.left + w), box.top});
      path += BoxOps({std::max(box.left, box.right - w), box.bottom, box.right, box.top});
    }
  } else {
    for (const BoxD& box : boxes) path += BoxOps(box);
  }
  m_content.UseClip(m_dc.clip);
  if (brush.style == kBsHatched && m_dc.backgroundMode == kOpaque) {
    m_content.FillColour(m_dc.backgroundColour);
    m_content.Raw(path + "f\n");
  }
  ApplyBrush(brush);
  m_content.Raw(path + "f\n");
  return true;
}
