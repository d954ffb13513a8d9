#include "dc_track.h"

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

bool DcTrack::Play(const EmfRecord& record, const EmfHeader& device) {
  return PlayState(record, device) || PlayObject(record);
}

const GdiObject* DcTrack::Object(std::uint32_t index, GdiObject& stock) const {
  if (index & kStockObject) {
    stock = StockObject(index & ~kStockObject);
    return &stock;
  }
  return index < objects.size() ? &objects[index] : nullptr;
}

bool DcTrack::PlayState(const EmfRecord& record, const EmfHeader& device) {
  DcMapping& mapping = dc.mapping;
  const PointD pair{static_cast<double>(record.I32(8)), static_cast<double>(record.I32(12))};
  switch (record.Type()) {
    case kEmrSetMapMode: mapping.SetMapMode(static_cast<int>(record.U32(8)), device); return true;
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
      const std::uint32_t mode = record.Type() == kEmrSetWorldTransform ? std::uint32_t(kMwtSet) : record.U32(32);
      if (mode == kMwtIdentity) mapping.world = Affine();
      if (!finite) return true;
      if (mode == kMwtLeftMultiply) mapping.world = given.Then(mapping.world);
      if (mode == kMwtRightMultiply) mapping.world = mapping.world.Then(given);
      if (mode == kMwtSet) mapping.world = given;
      return true;
    }
    case kEmrSaveDc:
      // Far deeper than any drawing saves; a fuzzer's endless saves stop growing memory here.
      if (saved.size() < 10000) saved.push_back(dc);
      return true;
    case kEmrRestoreDc: {
      const std::int64_t relative = record.I32(8);
      const std::int64_t depth = static_cast<std::int64_t>(saved.size());
      const std::int64_t target = relative < 0 ? depth + relative : relative - 1;
      if (target < 0 || target >= depth) return true;
      dc = saved[static_cast<std::size_t>(target)];
      saved.resize(static_cast<std::size_t>(target));
      return true;
    }
    case kEmrSetBkMode: dc.backgroundMode = record.U32(8); return true;
    case kEmrSetBkColor: dc.backgroundColour = {record.U8(8), record.U8(9), record.U8(10)}; return true;
    case kEmrSetTextColor: dc.textColour = {record.U8(8), record.U8(9), record.U8(10)}; return true;
    case kEmrSetPolyFillMode: dc.polyFillMode = record.U32(8); return true;
    case kEmrSetTextAlign: dc.textAlign = record.U32(8); return true;
    case kEmrSetArcDirection: dc.arcDirection = record.U32(8); return true;
    case kEmrSetRop2: dc.rop2 = record.U32(8); return true;
    case kEmrSetMiterLimit: {
      const float limit = record.F32(8);
      // Some writers store the limit as an integer.
      const double value = std::isfinite(limit) && limit >= 1 && limit < 1e4 ? limit : record.U32(8);
      dc.miterLimit = std::max(1.0, std::min(value, 1e4));
      return true;
    }
    case kEmrMoveToEx: dc.position = pair; return true;
    default:
      return false;
  }
}

bool DcTrack::PlayObject(const EmfRecord& record) {
  const std::uint32_t index = record.U32(8);
  // The table is as large as the header says; beyond a sane size a record is ignored.
  constexpr std::uint32_t kMaxObjects = 65536;
  auto slot = [&]() -> GdiObject* {
    if (index == 0 || index >= kMaxObjects) return nullptr;
    if (objects.size() <= index) objects.resize(index + 1);
    return &objects[index];
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
      // Colours by palette index have no meaning here: such a brush stays a picture.
      if (record.Type() == kEmrCreateDibPatternBrushPt && record.U32(12) != 0) return true;
      const std::uint8_t* info = record.Bytes(record.U32(16), record.U32(20));
      const std::uint8_t* bits = record.Bytes(record.U32(24), record.U32(28));
      if (!info || !bits) return true;
      object->brush.info = std::make_shared<const std::vector<std::uint8_t>>(info, info + record.U32(20));
      object->brush.bits = std::make_shared<const std::vector<std::uint8_t>>(bits, bits + record.U32(28));
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
      font.request.pitchAndFamily = record.U8(39);
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
      GdiObject stock;
      const GdiObject* object = Object(index, stock);
      if (!object) return true;
      if (object->kind == GdiObject::kPen) dc.pen = object->pen;
      if (object->kind == GdiObject::kBrush) dc.brush = object->brush;
      if (object->kind == GdiObject::kFont) dc.font = object->font;
      return true;
    }
    case kEmrDeleteObject:
      if (index < objects.size()) objects[index] = GdiObject();
      return true;
    default:
      return false;
  }
}

