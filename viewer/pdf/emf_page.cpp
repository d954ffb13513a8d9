#include "emf_page.h"

#include <algorithm>
#include <cmath>

#include "emf_types.h"

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
    // Escapes pass data to a printer's driver; they draw nothing on a page of their own.
    case kEmrPixelFormat: case kEmrDrawEscape: case kEmrExtEscape: case kEmrNamedEscape:
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
      m_context(context) {}

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
  if (PlayState(record) || PlayClip(record) || PlayPath(record) || PlayShape(record) ||
      PlayPoly(record) || PlayRegion(record) || PlayText(record) || PlayBitmap(record) ||
      PlayGradient(record))
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
  BoxD box = BoxD::At(a);
  box.Include(b);
  return box;
}

BoxD EmfPage::LogicalBox(double left, double top, double right, double bottom) const {
  const Affine map = LogicalToPdf();
  const PointD corners[] = {map.Apply(left, top), map.Apply(right, top), map.Apply(right, bottom),
                            map.Apply(left, bottom)};
  BoxD box = BoxD::At(corners[0]);
  for (const PointD& p : corners) box.Include(p);
  return box;
}

bool EmfPage::PlayState(const EmfRecord& record) {
  if (record.Type() == kEmrMoveToEx && m_inPath) m_path.MoveTo(Pdf({double(record.I32(8)), double(record.I32(12))}));
  if (record.Type() == kEmrGdiComment) {
    // Only GDI records are drawn; EMF+ comments are skipped unless nothing else draws.
    if (record.U32(8) >= 16 && record.U32(12) == kEmfPlusSignature && record.U16(16) == 0x4001)
      m_plusOnly = (record.U16(18) & 1) == 0;
    return true;
  }
  return m_track.Play(record, m_header);
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
