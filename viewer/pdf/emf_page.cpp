#include "emf_page.h"

#include <algorithm>
#include <cmath>

#include "emf_types.h"

bool HasBounds(std::uint32_t type) {
  switch (type) {
    case kEmrPolyBezier: case kEmrPolygon: case kEmrPolyline: case kEmrPolyBezierTo: case kEmrPolylineTo:
    case kEmrPolyPolyline: case kEmrPolyPolygon: case kEmrPolyDraw: case kEmrFillPath:
    case kEmrStrokeAndFillPath: case kEmrStrokePath: case kEmrFillRgn: case kEmrFrameRgn:
    case kEmrInvertRgn: case kEmrPaintRgn: case kEmrBitBlt: case kEmrStretchBlt: case kEmrMaskBlt:
    case kEmrPlgBlt: case kEmrSetDiBitsToDevice: case kEmrStretchDiBits: case kEmrExtTextOutA:
    case kEmrExtTextOutW: case kEmrPolyBezier16: case kEmrPolygon16: case kEmrPolyline16:
    case kEmrPolyBezierTo16: case kEmrPolylineTo16: case kEmrPolyPolyline16: case kEmrPolyPolygon16:
    case kEmrPolyDraw16: case kEmrPolyTextOutA: case kEmrPolyTextOutW: case kEmrAlphaBlend:
    case kEmrTransparentBlt: case kEmrGradientFill:
      return true;
    default:
      return false;
  }
}

namespace {

// Records that change nothing a PDF shows.
bool Harmless(std::uint32_t type) {
  switch (type) {
    case kEmrSetBrushOrgEx: case kEmrSetMapperFlags: case kEmrSetStretchBltMode:
    case kEmrSetColorAdjustment: case kEmrSetMetaRgn: case kEmrSelectPalette: case kEmrCreatePalette:
    case kEmrSetPaletteEntries: case kEmrResizePalette: case kEmrRealizePalette: case kEmrSetIcmMode:
    case kEmrCreateColorSpace: case kEmrSetColorSpace: case kEmrDeleteColorSpace: case kEmrSetIcmProfileA:
    case kEmrSetIcmProfileW: case kEmrSetLayout: case kEmrSetLinkedUfis: case kEmrSetTextJustification:
    case kEmrColorMatchToTargetW: case kEmrCreateColorSpaceW: case kEmrColorCorrectPalette:
    case kEmrForceUfiMapping: case kEmrEof:
      return true;
    default:
      return false;
  }
}

}  // namespace

EmfPage::EmfPage(const EmfHeader& header, double widthPoints, double heightPoints, PageContext context)
    : m_header(header),
      m_page{0, 0, widthPoints, heightPoints},
      m_deviceToPdf(DeviceToPdf(header, widthPoints, heightPoints)),
      m_context(context) {
  m_dc.font = StockObject(13).font;
}

std::string EmfPage::Translate(const std::uint8_t* emf, std::size_t size) {
  EmfRecords records(emf, size);
  EmfRecord record(emf, 0, 0);
  std::size_t last = 0;
  while (records.Next(record)) {
    last = record.Index();
    if (last != 0) Play(record);
  }
  // A metafile of EMF+ records alone has nothing else to draw: the platform draws it all.
  if (m_plusOnly) {
    m_dc.clip = ClipState();
    m_content.UseClip(m_dc.clip);
    PictureOf(EmfRecord(emf, 8, last), m_page);
  }
  return m_content.Finish();
}

void EmfPage::Play(const EmfRecord& record) {
  if (PlayState(record) || PlayObject(record) || PlayClip(record) || PlayPath(record) || PlayShape(record) ||
      PlayPoly(record) || PlayRegion(record) || PlayText(record) || PlayBitmap(record))
    return;
  if (!Harmless(record.Type())) Picture(record);
}

Affine EmfPage::LogicalToPdf() const {
  return m_dc.mapping.world.Then(m_dc.mapping.PageToDevice()).Then(m_deviceToPdf);
}

BoxD EmfPage::DeviceBox(const EmfRecord& record, std::size_t offset, bool inclusive) const {
  const double more = inclusive ? 1 : 0;
  const PointD a = m_deviceToPdf.Apply(record.I32(offset), record.I32(offset + 4));
  const PointD b = m_deviceToPdf.Apply(record.I32(offset + 8) + more, record.I32(offset + 12) + more);
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

BoxD EmfPage::LogicalBox(double left, double top, double right, double bottom) const {
  const Affine map = LogicalToPdf();
  const PointD corners[] = {map.Apply(left, top), map.Apply(right, top), map.Apply(right, bottom),
                            map.Apply(left, bottom)};
  BoxD box{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const PointD& p : corners) {
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.bottom = std::min(box.bottom, p.y);
    box.top = std::max(box.top, p.y);
  }
  return box;
}

bool EmfPage::PlayState(const EmfRecord& record) {
  DcMapping& mapping = m_dc.mapping;
  const PointD pair{static_cast<double>(record.I32(8)), static_cast<double>(record.I32(12))};
  switch (record.Type()) {
    case kEmrSetMapMode: mapping.SetMapMode(static_cast<int>(record.U32(8)), m_header); return true;
    case kEmrSetWindowExtEx:
      if (mapping.ScalesFreely() && pair.x != 0 && pair.y != 0) mapping.windowExt = pair;
      return true;
    case kEmrSetViewportExtEx:
      if (mapping.ScalesFreely() && pair.x != 0 && pair.y != 0) mapping.viewportExt = pair;
      return true;
    case kEmrSetWindowOrgEx: mapping.windowOrg = pair; return true;
    case kEmrSetViewportOrgEx: mapping.viewportOrg = pair; return true;
    case kEmrScaleViewportExtEx:
    case kEmrScaleWindowExtEx: {
      if (!mapping.ScalesFreely() || record.I32(12) == 0 || record.I32(20) == 0) return true;
      PointD& extent = record.Type() == kEmrScaleViewportExtEx ? mapping.viewportExt : mapping.windowExt;
      const PointD scaled{extent.x * record.I32(8) / record.I32(12), extent.y * record.I32(16) / record.I32(20)};
      if (scaled.x != 0 && scaled.y != 0) extent = scaled;
      return true;
    }
    case kEmrSetWorldTransform:
    case kEmrModifyWorldTransform: {
      const Affine given{record.F32(8), record.F32(12), record.F32(16), record.F32(20), record.F32(24), record.F32(28)};
      const bool finite = std::isfinite(given.a) && std::isfinite(given.b) && std::isfinite(given.c) &&
                          std::isfinite(given.d) && std::isfinite(given.e) && std::isfinite(given.f);
      const std::uint32_t mode = record.Type() == kEmrSetWorldTransform ? kMwtSet : record.U32(32);
      if (mode == kMwtIdentity) mapping.world = Affine();
      if (!finite) return true;
      if (mode == kMwtLeftMultiply) mapping.world = given.Then(mapping.world);
      if (mode == kMwtRightMultiply) mapping.world = mapping.world.Then(given);
      if (mode == kMwtSet) mapping.world = given;
      return true;
    }
    case kEmrSaveDc:
      // Far deeper than any drawing saves; a fuzzer's endless saves stop growing memory here.
      if (m_saved.size() < 10000) m_saved.push_back(m_dc);
      return true;
    case kEmrRestoreDc: {
      const std::int64_t relative = record.I32(8);
      const std::int64_t depth = static_cast<std::int64_t>(m_saved.size());
      const std::int64_t target = relative < 0 ? depth + relative : relative - 1;
      if (target < 0 || target >= depth) return true;
      m_dc = m_saved[static_cast<std::size_t>(target)];
      m_saved.resize(static_cast<std::size_t>(target));
      return true;
    }
    case kEmrSetBkMode: m_dc.backgroundMode = record.U32(8); return true;
    case kEmrSetBkColor: m_dc.backgroundColour = {record.U8(8), record.U8(9), record.U8(10)}; return true;
    case kEmrSetTextColor: m_dc.textColour = {record.U8(8), record.U8(9), record.U8(10)}; return true;
    case kEmrSetPolyFillMode: m_dc.polyFillMode = record.U32(8); return true;
    case kEmrSetTextAlign: m_dc.textAlign = record.U32(8); return true;
    case kEmrSetArcDirection: m_dc.arcDirection = record.U32(8); return true;
    case kEmrSetRop2: m_dc.rop2 = record.U32(8); return true;
    case kEmrSetMiterLimit: {
      const float limit = record.F32(8);
      // Some writers store the limit as an integer.
      const double value = std::isfinite(limit) && limit >= 1 && limit < 1e4 ? limit : record.U32(8);
      m_dc.miterLimit = std::max(1.0, std::min(value, 1e4));
      return true;
    }
    case kEmrMoveToEx: m_dc.position = pair; if (m_inPath) m_path.MoveTo(Pdf(pair)); return true;
    case kEmrGdiComment:
      // Only GDI records are drawn; EMF+ comments are skipped unless nothing else draws.
      if (record.U32(8) >= 16 && record.U32(12) == kEmfPlusSignature && record.U16(16) == 0x4001)
        m_plusOnly = (record.U16(18) & 1) == 0;
      return true;
    default:
      return false;
  }
}

bool EmfPage::PlayObject(const EmfRecord& record) {
  const std::uint32_t index = record.U32(8);
  // The table is as large as the header says; beyond a sane size a record is ignored.
  constexpr std::uint32_t kMaxObjects = 65536;
  auto slot = [&]() -> GdiObject* {
    if (index == 0 || index >= kMaxObjects) return nullptr;
    if (m_objects.size() <= index) m_objects.resize(index + 1);
    return &m_objects[index];
  };
  switch (record.Type()) {
    case kEmrCreatePen: {
      GdiObject* object = slot();
      if (!object) return true;
      *object = GdiObject();
      object->kind = GdiObject::kPen;
      object->pen.style = record.U32(12);
      object->pen.width = record.I32(16);
      object->pen.colour = {record.U8(24), record.U8(25), record.U8(26)};
      return true;
    }
    case kEmrExtCreatePen: {
      GdiObject* object = slot();
      if (!object) return true;
      *object = GdiObject();
      object->kind = GdiObject::kPen;
      PenSpec& pen = object->pen;
      pen.extended = true;
      pen.style = record.U32(28);
      pen.width = record.U32(32);
      pen.colour = {record.U8(40), record.U8(41), record.U8(42)};
      pen.patterned = record.U32(36) != kBsSolid && record.U32(36) != kBsNull;
      if (record.U32(36) == kBsNull) pen.style = (pen.style & ~kPsStyleMask) | kPsNull;
      const std::uint32_t entries = record.U32(48);
      if ((pen.style & kPsStyleMask) == kPsUserStyle && record.Has(52, std::size_t(entries) * 4))
        for (std::uint32_t i = 0; i < entries && i < 64; ++i) pen.userStyle.push_back(record.U32(52 + 4 * i));
      return true;
    }
    case kEmrCreateBrushIndirect: {
      GdiObject* object = slot();
      if (!object) return true;
      *object = GdiObject();
      object->kind = GdiObject::kBrush;
      object->brush.style = record.U32(12);
      object->brush.colour = {record.U8(16), record.U8(17), record.U8(18)};
      object->brush.hatch = record.U32(20);
      return true;
    }
    case kEmrCreateMonoBrush:
    case kEmrCreateDibPatternBrushPt: {
      GdiObject* object = slot();
      if (!object) return true;
      *object = GdiObject();
      object->kind = GdiObject::kBrush;
      object->brush.style = kBsDibPatternPt;
      return true;
    }
    case kEmrExtCreateFontIndirectW: {
      GdiObject* object = slot();
      if (!object) return true;
      *object = GdiObject();
      object->kind = GdiObject::kFont;
      FontSpec& font = object->font;
      font.height = record.I32(12);
      font.width = record.I32(16);
      font.escapement = record.I32(20);
      font.request.weight = record.I32(28);
      font.request.italic = record.U8(32) != 0;
      font.underline = record.U8(33) != 0;
      font.strikeOut = record.U8(34) != 0;
      font.request.charset = record.U8(35);
      for (std::size_t i = 0; i < 32; ++i) {
        const char16_t unit = record.U16(40 + 2 * i);
        if (unit == 0) break;
        font.request.faceName += unit;
      }
      return true;
    }
    case kEmrCreatePalette:
    case kEmrCreateColorSpace:
    case kEmrCreateColorSpaceW: {
      GdiObject* object = slot();
      if (object) {
        *object = GdiObject();
        object->kind = GdiObject::kOther;
      }
      return true;
    }
    case kEmrSelectObject: {
      const GdiObject stock = (index & kStockObject) ? StockObject(index & ~kStockObject) : GdiObject();
      const GdiObject* object = (index & kStockObject) ? &stock : index < m_objects.size() ? &m_objects[index] : nullptr;
      if (!object) return true;
      if (object->kind == GdiObject::kPen) m_dc.pen = object->pen;
      if (object->kind == GdiObject::kBrush) m_dc.brush = object->brush;
      if (object->kind == GdiObject::kFont) m_dc.font = object->font;
      return true;
    }
    case kEmrDeleteObject:
      if (index < m_objects.size()) m_objects[index] = GdiObject();
      return true;
    default:
      return false;
  }
}

void EmfPage::SetClip(ClipState clip) {
  clip.id = m_nextClipId++;
  m_dc.clip = std::move(clip);
}

void EmfPage::CombineClip(const BoxRegion& region, std::uint32_t mode) {
  ClipState clip = m_dc.clip;
  // No clip yet stands for the whole page, so every combination has a region to work on.
  if (!clip.clipped) {
    clip.clipped = true;
    clip.region = BoxRegion(BoxD{-1e6, -1e6, 1e6, 1e6});
    clip.layers.clear();
  }
  switch (mode) {
    case kRgnAnd: clip.region = clip.region.Intersect(region); break;
    case kRgnOr: clip.region = clip.region.Union(region); clip.layers.clear(); break;
    case kRgnXor: clip.region = clip.region.Xor(region); clip.layers.clear(); break;
    case kRgnDiff: clip.region = clip.region.Subtract(region); break;
    case kRgnCopy: clip.region = region; clip.layers.clear(); break;
    default: return;
  }
  SetClip(std::move(clip));
}

bool EmfPage::PlayClip(const EmfRecord& record) {
  switch (record.Type()) {
    case kEmrIntersectClipRect:
    case kEmrExcludeClipRect: {
      const double l = record.I32(8), t = record.I32(12), r = record.I32(16), b = record.I32(20);
      const std::uint32_t mode = record.Type() == kEmrIntersectClipRect ? kRgnAnd : kRgnDiff;
      if (LogicalToPdf().AxisAligned()) {
        CombineClip(BoxRegion(LogicalBox(l, t, r, b)), mode);
        return true;
      }
      // Under a turning transform the rectangle is a path layer.
      PathShape shape;
      shape.AddRectangle(l, t, r, b);
      ClipState clip = m_dc.clip;
      if (!clip.clipped) {
        clip.clipped = true;
        clip.region = BoxRegion(BoxD{-1e6, -1e6, 1e6, 1e6});
      }
      PathShape layer = shape.Mapped(LogicalToPdf());
      if (mode == kRgnDiff) {
        PathShape outside;
        outside.AddRectangle(-1e6, -1e6, 1e6, 1e6);
        outside.Append(layer);
        layer = outside;
      }
      clip.layers.push_back({layer, mode == kRgnDiff});
      SetClip(std::move(clip));
      return true;
    }
    case kEmrOffsetClipRgn: {
      if (!m_dc.clip.clipped) return true;
      const Affine map = LogicalToPdf();
      const PointD origin = map.Apply(0, 0), moved = map.Apply(record.I32(8), record.I32(12));
      ClipState clip = m_dc.clip;
      const Affine shift{1, 0, 0, 1, moved.x - origin.x, moved.y - origin.y};
      clip.region = clip.region.Offset(shift.e, shift.f);
      for (ClipLayer& layer : clip.layers) layer.path = layer.path.Mapped(shift);
      SetClip(std::move(clip));
      return true;
    }
    case kEmrExtSelectClipRgn: {
      const std::uint32_t dataSize = record.U32(8);
      const std::uint32_t mode = record.U32(12);
      if (mode == kRgnCopy && dataSize == 0) {
        SetClip(ClipState());
        return true;
      }
      const std::uint32_t count = record.U32(16 + 8);
      std::vector<BoxD> boxes;
      for (std::uint32_t i = 0; i < count && record.Has(48 + std::size_t(i) * 16, 16) && 32 + std::size_t(i) * 16 < dataSize; ++i)
        boxes.push_back(DeviceBox(record, 48 + std::size_t(i) * 16, false));
      CombineClip(BoxRegion::FromBoxes(boxes), mode);
      return true;
    }
    default:
      return false;
  }
}
