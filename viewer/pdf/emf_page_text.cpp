// Text records: glyphs of embedded subsets, or filled outlines where a face may not be
// embedded, or a picture where the platform has no TrueType face.
#include <algorithm>
#include <cmath>

#include "ansi_text.h"
#include "emf_page.h"
#include "emf_types.h"
#include "pdf_syntax.h"
#include "text_layout.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr std::uint32_t kGmCompatible = 1;

std::string Matrix(PointD across, PointD up, PointD origin) {
  return PdfNumber(across.x) + " " + PdfNumber(across.y) + " " + PdfNumber(up.x) + " " + PdfNumber(up.y) + " " +
         PdfNumber(origin.x) + " " + PdfNumber(origin.y);
}

std::string Polygon(const PointD* points, std::size_t count) {
  std::string ops;
  for (std::size_t i = 0; i < count; ++i)
    ops += PdfNumber(points[i].x) + " " + PdfNumber(points[i].y) + (i == 0 ? " m\n" : " l\n");
  return ops + "h\n";
}

}  // namespace

bool EmfPage::PlayText(const EmfRecord& record) {
  switch (record.Type()) {
    case kEmrExtTextOutW:
    case kEmrExtTextOutA:
      if (!DrawText(record, 36, record.Type() == kEmrExtTextOutW, record.U32(24))) Picture(record);
      return true;
    case kEmrPolyTextOutW:
    case kEmrPolyTextOutA: {
      const std::uint32_t strings = record.U32(36);
      for (std::uint32_t i = 0; i < strings && record.Has(40 + std::size_t(i) * 40, 40); ++i)
        if (!DrawText(record, 40 + std::size_t(i) * 40, record.Type() == kEmrPolyTextOutW, record.U32(24))) {
          Picture(record);
          return true;
        }
      return true;
    }
    default:
      return false;
  }
}

bool EmfPage::DrawText(const EmfRecord& record, std::size_t at, bool wide, std::uint32_t graphicsMode) {
  if (m_inPath) return true;
  const std::uint32_t count = record.U32(at + 8);
  const std::uint32_t stringAt = record.U32(at + 12);
  const std::uint32_t options = record.U32(at + 16);
  const std::uint32_t dxAt = record.U32(at + 36);
  const bool updateCp = (m_dc.textAlign & kTaUpdateCp) != 0;

  TextRecord text;
  text.x = updateCp ? m_dc.position.x : record.I32(at);
  text.y = updateCp ? m_dc.position.y : record.I32(at + 4);
  text.glyphIndices = (options & kEtoGlyphIndex) != 0;
  text.align = m_dc.textAlign & ~kTaUpdateCp;
  const FontSpec& font = m_dc.font;
  text.height = font.height;
  text.width = font.width;
  text.escapement = font.escapement;
  text.underline = font.underline;
  text.strikeOut = font.strikeOut;
  const std::uint8_t* bytes = record.Bytes(stringAt, std::size_t(count) * (wide ? 2 : 1));
  if (count > 0 && !bytes) return true;
  if (wide) {
    for (std::uint32_t i = 0; i < count; ++i) text.characters += static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  } else if (!text.glyphIndices && !DecodeAnsiText(bytes, count, font.request.charset, text.characters)) {
    return false;
  } else if (text.glyphIndices) {
    for (std::uint32_t i = 0; i < count; ++i) text.characters += static_cast<char16_t>(bytes[i]);
  }
  const bool pdy = (options & kEtoPdy) != 0;
  if (dxAt != 0 && record.Has(dxAt, std::size_t(count) * (pdy ? 8 : 4)))
    for (std::uint32_t i = 0; i < count; ++i) {
      text.dx.push_back(record.I32(dxAt + std::size_t(i) * (pdy ? 8 : 4)));
      if (pdy) text.dy.push_back(record.I32(dxAt + std::size_t(i) * 8 + 4));
    }

  PdfFont* face = count > 0 ? m_context.fonts.Font(font.request) : nullptr;
  if (count > 0 && !face) return false;

  const Affine map = LogicalToPdf();
  const double rl = record.I32(at + 20), rt = record.I32(at + 24), rr = record.I32(at + 28), rb = record.I32(at + 32);
  PathShape rectangle;
  rectangle.AddRectangle(rl, rt, rr, rb);
  const std::string box = rectangle.Mapped(map).Operators();
  m_content.UseClip(m_dc.clip);
  if (options & kEtoOpaque) {
    m_content.FillColour(m_dc.backgroundColour);
    m_content.Raw(box + "f\n");
  }
  if (!face) return true;

  const TextPlacement placement = LayOutText(text, *face);
  if (updateCp) m_dc.position = {placement.endX, placement.endY};

  std::string ops = (options & kEtoClipped) ? box + "W n\n" : "";
  if (m_dc.backgroundMode == kOpaque && !(options & kEtoOpaque)) {
    PointD corners[4];
    for (int i = 0; i < 4; ++i) corners[i] = map.Apply(placement.boxCorners[i][0], placement.boxCorners[i][1]);
    ops += PdfColour(m_dc.backgroundColour) + " rg\n" + Polygon(corners, 4) + "f\n";
  }
  ops += PdfColour(m_dc.textColour) + " rg\n";

  // The glyph's em square on the page: along the baseline and upwards, y down in logical units.
  const double angle = placement.angleDegrees * kPi / 180;
  const double em = placement.emSize;
  auto linear = [&map](double x, double y) { return PointD{map.a * x + map.c * y, map.b * x + map.d * y}; };
  PointD across = linear(std::cos(angle) * em * placement.horizontalScale, -std::sin(angle) * em * placement.horizontalScale);
  PointD up = linear(-std::sin(angle) * em, -std::cos(angle) * em);
  // Compatible graphics keep text upright whichever way the mapping turns y.
  if (graphicsMode == kGmCompatible && across.x * up.y - across.y * up.x < 0) up = {-up.x, -up.y};

  if (face->MayEmbed()) {
    std::string glyphs;
    for (const PlacedGlyph& glyph : placement.glyphs) {
      face->Use(glyph.glyph, glyph.text);
      const std::uint8_t code[2] = {static_cast<std::uint8_t>(glyph.glyph >> 8), static_cast<std::uint8_t>(glyph.glyph)};
      glyphs += Matrix(across, up, map.Apply(glyph.x, glyph.y)) + " Tm " + PdfHexString(code, 2) + " Tj\n";
    }
    if (!glyphs.empty()) {
      PageResources& resources = m_context.resources;
      const std::uint32_t object =
          m_context.fonts.ObjectOf(face, [&resources](std::uint32_t n) { return resources.Allocate(n); });
      ops += "BT\n" + resources.Font(object) + " 1 Tf\n" + glyphs + "ET\n";
    }
  } else {
    const PointD smallAcross{across.x / 1000, across.y / 1000}, smallUp{up.x / 1000, up.y / 1000};
    for (const PlacedGlyph& glyph : placement.glyphs) {
      const std::string outline = face->OutlinePath(glyph.glyph);
      if (outline.empty()) continue;
      ops += "q " + Matrix(smallAcross, smallUp, map.Apply(glyph.x, glyph.y)) + " cm\n" + outline + "f\nQ\n";
    }
  }
  for (const TextStroke& stroke : placement.strokes) {
    const double dx = stroke.x1 - stroke.x0, dy = stroke.y1 - stroke.y0;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) continue;
    const double nx = -dy / length * stroke.thickness / 2, ny = dx / length * stroke.thickness / 2;
    const PointD corners[4] = {map.Apply(stroke.x0 + nx, stroke.y0 + ny), map.Apply(stroke.x1 + nx, stroke.y1 + ny),
                               map.Apply(stroke.x1 - nx, stroke.y1 - ny), map.Apply(stroke.x0 - nx, stroke.y0 - ny)};
    ops += Polygon(corners, 4) + "f\n";
  }
  m_content.Isolated(ops);
  return true;
}
