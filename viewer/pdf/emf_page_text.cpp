// Text records: glyphs of embedded subsets, or filled outlines where a face may not be
// embedded or the text is drawn into a path, or a picture where the platform has no
// TrueType face.
#include <algorithm>
#include <cmath>

#include "ansi_text.h"
#include "emf_page.h"
#include "emf_types.h"
#include "pdf_syntax.h"
#include "text_layout.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr std::uint32_t kGmAdvanced = 2;

std::string Matrix(PointD across, PointD up, PointD origin) {
  return PdfNumber(across.x) + " " + PdfNumber(across.y) + " " + PdfNumber(up.x) + " " + PdfNumber(up.y) + " " +
         PdfPoints(origin.x) + " " + PdfPoints(origin.y);
}

std::string Polygon(const PointD* points, std::size_t count) {
  std::string ops;
  for (std::size_t i = 0; i < count; ++i)
    ops += PdfPoints(points[i].x) + " " + PdfPoints(points[i].y) + (i == 0 ? " m\n" : " l\n");
  return ops + "h\n";
}

// The glyphs as shown text: one text matrix, and a TJ array whose numbers (thousandths of
// the em) make up the difference between the face's advances and the positions laid out,
// so a line keeps its exact length. A glyph off the baseline starts a new text matrix.
std::string ShownGlyphs(const std::vector<PlacedGlyph>& glyphs, PdfFont& face, const Affine& map, PointD across,
                        PointD up) {
  // How far from the baseline, in ems, a glyph may lie and still be shown along it.
  constexpr double kOnBaseline = 1e-4;
  const double determinant = across.x * up.y - across.y * up.x;
  std::string ops, shown, codes;
  PointD origin;
  double pen = 0;  // where the reader's next glyph goes, ems along the baseline from the origin
  const auto flushCodes = [&] {
    if (!codes.empty()) shown += PdfLiteralString(reinterpret_cast<const std::uint8_t*>(codes.data()), codes.size());
    codes.clear();
  };
  const auto flushShown = [&] {
    flushCodes();
    if (!shown.empty()) ops += "[" + shown + "] TJ\n";
    shown.clear();
  };
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    const PlacedGlyph& glyph = glyphs[i];
    face.Use(glyph.glyph, glyph.text);
    const PointD at = map.Apply(glyph.x, glyph.y);
    const double dx = at.x - origin.x, dy = at.y - origin.y;
    const double along = determinant != 0 ? (dx * up.y - dy * up.x) / determinant : 0;
    const double off = determinant != 0 ? (across.x * dy - across.y * dx) / determinant : 1;
    if (i == 0 || determinant == 0 || std::fabs(off) > kOnBaseline) {
      flushShown();
      ops += Matrix(across, up, at) + " Tm\n";
      origin = at;
      pen = 0;
    } else if (const long adjust = std::lround((pen - along) * 1000)) {
      flushCodes();
      shown += std::to_string(adjust);
      pen -= adjust / 1000.0;
    }
    codes += static_cast<char>(glyph.glyph >> 8);
    codes += static_cast<char>(glyph.glyph & 0xFF);
    pen += face.Advance(glyph.glyph) / 1000;
  }
  flushShown();
  return ops;
}

// The glyphs' outlines on the page, each em square spanned by `across` and `up`.
PathShape GlyphOutlines(const std::vector<PlacedGlyph>& glyphs, const PdfFont& face, const Affine& map,
                        PointD across, PointD up) {
  PathShape outlines;
  for (const PlacedGlyph& glyph : glyphs) {
    const PointD at = map.Apply(glyph.x, glyph.y);
    const Affine em{across.x / 1000, across.y / 1000, up.x / 1000, up.y / 1000, at.x, at.y};
    outlines.Append(face.Outline(glyph.glyph).Mapped(em));
  }
  return outlines;
}

}  // namespace

bool EmfPage::PlayText(const EmfRecord& record) {
  TextRun run;
  switch (record.Type()) {
    case kEmrExtTextOutW:
    case kEmrExtTextOutA:
      if (!ReadText(record, 36, record.Type() == kEmrExtTextOutW, run) || !DrawText(run)) Picture(record);
      return true;
    case kEmrSmallTextOut:
      if (!ReadSmallText(record, run) || !DrawText(run)) Picture(record);
      return true;
    case kEmrPolyTextOutW:
    case kEmrPolyTextOutA: {
      const std::uint32_t strings = record.U32(36);
      for (std::uint32_t i = 0; i < strings && record.Has(40 + std::size_t(i) * 40, 40); ++i)
        if (!ReadText(record, 40 + std::size_t(i) * 40, record.Type() == kEmrPolyTextOutW, run) || !DrawText(run)) {
          Picture(record);
          return true;
        }
      return true;
    }
    default:
      return false;
  }
}

bool EmfPage::ReadText(const EmfRecord& record, std::size_t at, bool wide, TextRun& run) const {
  run = TextRun();
  run.graphicsMode = record.U32(24);
  run.reference = {double(record.I32(at)), double(record.I32(at + 4))};
  const std::uint32_t count = record.U32(at + 8);
  const std::uint32_t stringAt = record.U32(at + 12);
  run.options = record.U32(at + 16);
  for (int i = 0; i < 4; ++i) run.rectangle[i] = record.I32(at + 20 + 4 * std::size_t(i));
  const std::uint32_t dxAt = record.U32(at + 36);
  const std::uint8_t* bytes = record.Bytes(stringAt, std::size_t(count) * (wide ? 2 : 1));
  if (count > 0 && !bytes) return true;
  const bool glyphs = (run.options & kEtoGlyphIndex) != 0;
  if (wide) {
    for (std::uint32_t i = 0; i < count; ++i) run.characters += static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  } else if (glyphs) {
    for (std::uint32_t i = 0; i < count; ++i) run.characters += static_cast<char16_t>(bytes[i]);
  } else if (!DecodeAnsiText(bytes, count, m_dc.font.request.charset, run.characters)) {
    return false;
  }
  const bool pdy = (run.options & kEtoPdy) != 0;
  if (dxAt != 0 && record.Has(dxAt, std::size_t(count) * (pdy ? 8 : 4)))
    for (std::uint32_t i = 0; i < count; ++i) {
      run.dx.push_back(record.I32(dxAt + std::size_t(i) * (pdy ? 8 : 4)));
      if (pdy) run.dy.push_back(record.I32(dxAt + std::size_t(i) * 8 + 4));
    }
  return true;
}

bool EmfPage::ReadSmallText(const EmfRecord& record, TextRun& run) const {
  run = TextRun();
  run.reference = {double(record.I32(8)), double(record.I32(12))};
  const std::uint32_t count = record.U32(16);
  run.options = record.U32(20);
  run.graphicsMode = record.U32(24);
  std::size_t at = 36;
  if (!(run.options & kEtoNoRect)) {
    for (int i = 0; i < 4; ++i) run.rectangle[i] = record.I32(at + 4 * std::size_t(i));
    at += 16;
  }
  // Small characters are the low bytes of UTF-16 units below 256.
  const bool small = (run.options & kEtoSmallChars) != 0;
  const std::uint8_t* bytes = record.Bytes(at, std::size_t(count) * (small ? 1 : 2));
  if (!bytes) return true;
  for (std::uint32_t i = 0; i < count; ++i)
    run.characters += small ? static_cast<char16_t>(bytes[i]) : static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  return true;
}

bool EmfPage::DrawText(const TextRun& run) {
  const bool updateCp = (m_dc.textAlign & kTaUpdateCp) != 0;
  const std::uint32_t options = run.options;
  TextRecord text;
  text.x = updateCp ? m_dc.position.x : run.reference.x;
  text.y = updateCp ? m_dc.position.y : run.reference.y;
  text.characters = run.characters;
  text.glyphIndices = (options & kEtoGlyphIndex) != 0;
  text.dx = run.dx;
  text.dy = run.dy;
  text.align = m_dc.textAlign & ~kTaUpdateCp;
  const FontSpec& font = m_dc.font;
  text.height = font.height;
  text.width = font.width;
  if (font.devicePixels) {
    // Pixels to logical units along each of the logical axes.
    const Affine toDevice = m_dc.mapping.world.Then(m_dc.mapping.PageToDevice());
    const double across = std::hypot(toDevice.a, toDevice.b), up = std::hypot(toDevice.c, toDevice.d);
    if (up > 0) text.height /= up;
    if (across > 0) text.width /= across;
  }
  text.escapement = font.escapement;
  text.underline = font.underline;
  text.strikeOut = font.strikeOut;
  const std::size_t count = text.characters.size();

  PdfFont* face = count > 0 ? m_context.fonts.Font(font.request) : nullptr;
  if (count > 0 && !face) {
    // Without outlines the path is drawn by the platform when it is filled.
    if (m_inPath) m_pathHasText = true;
    return m_inPath;
  }

  const Affine logical = LogicalToPdf();
  // Compatible graphics draw text upright, y down on the page, whichever way the mapping
  // turns y: under a mapping with y up the run is laid out mirrored and mapped back.
  const bool mirrored = run.graphicsMode != kGmAdvanced && logical.a * logical.d - logical.b * logical.c > 0;
  const Affine mirror{1, 0, 0, mirrored ? -1.0 : 1.0, 0, 0};
  const Affine map = mirror.Then(logical);
  if (mirrored) {
    text.y = -text.y;
    for (double& step : text.dy) step = -step;
  }
  TextPlacement placement;
  if (face) {
    placement = LayOutText(text, *face);
    if (updateCp) m_dc.position = mirror.Apply(placement.endX, placement.endY);
  }
  // The glyph's em square on the page: along the baseline and upwards, y down in logical units.
  const double angle = placement.angleDegrees * kPi / 180;
  const double em = placement.emSize;
  auto linear = [&map](double x, double y) { return PointD{map.a * x + map.c * y, map.b * x + map.d * y}; };
  const PointD across = linear(std::cos(angle) * em * placement.horizontalScale, -std::sin(angle) * em * placement.horizontalScale);
  const PointD up = linear(-std::sin(angle) * em, -std::cos(angle) * em);
  // Into a path go the glyphs' outlines alone, as the platform adds them: no box, no lines.
  if (m_inPath) {
    if (face) m_path.Append(GlyphOutlines(placement.glyphs, *face, map, across, up));
    return true;
  }

  PathShape rectangle;
  rectangle.AddRectangle(run.rectangle[0], run.rectangle[1], run.rectangle[2], run.rectangle[3]);
  const std::string box = rectangle.Mapped(logical).Operators();
  m_content.UseClip(m_dc.clip);
  // A clipped opaque run fills its rectangle with the path that clips it.
  const bool fillWithClip = face && (options & kEtoOpaque) && (options & kEtoClipped);
  if (options & kEtoOpaque) {
    m_content.FillColour(m_dc.backgroundColour);
    if (!fillWithClip) m_content.Raw(box + "f\n");
  }
  if (!face) return true;

  std::string ops = (options & kEtoClipped) ? box + (fillWithClip ? "W f\n" : "W n\n") : "";
  if (m_dc.backgroundMode == kOpaque && !(options & kEtoOpaque)) {
    PointD corners[4];
    for (int i = 0; i < 4; ++i) corners[i] = map.Apply(placement.boxCorners[i][0], placement.boxCorners[i][1]);
    ops += PdfColour(m_dc.backgroundColour) + " rg\n" + Polygon(corners, 4) + "f\n";
  }
  ops += PdfColour(m_dc.textColour) + " rg\n";

  if (face->MayEmbed()) {
    const std::string glyphs = ShownGlyphs(placement.glyphs, *face, map, across, up);
    if (!glyphs.empty()) {
      PageResources& resources = m_context.resources;
      const std::uint32_t object =
          m_context.fonts.ObjectOf(face, [&resources](std::uint32_t n) { return resources.Allocate(n); });
      ops += "BT\n" + resources.Font(object) + " 1 Tf\n" + glyphs + "ET\n";
    }
  } else if (const PathShape outlines = GlyphOutlines(placement.glyphs, *face, map, across, up); !outlines.Empty()) {
    ops += outlines.Operators() + "f\n";
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
