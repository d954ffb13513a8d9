#include "pdf_font.h"

#include <map>
#include <set>

#include "deflate.h"
#include "to_unicode_cmap.h"
#include "truetype_face.h"
#include "truetype_subset.h"

namespace {

// fsType: the licence bits, and bitmap embedding only.
constexpr std::uint16_t kLicenceBits = 0x000E;
constexpr std::uint16_t kRestrictedLicence = 0x0002;
constexpr std::uint16_t kNoSubsetting = 0x0100;
constexpr std::uint16_t kBitmapOnly = 0x0200;
// Font descriptor flags.
constexpr int kFixedPitch = 1;
constexpr int kSymbolic = 4;
constexpr int kItalic = 64;
constexpr std::uint16_t kMacStyleItalic = 2;

std::vector<std::uint8_t> Text(const std::string& text) {
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

// A stream, Flate-compressed unless zlib fails.
std::vector<std::uint8_t> CompressedStream(std::string entries,
                                           const std::vector<std::uint8_t>& data) {
  Bytes compressed;
  if (!AppendZlibStream(data.data(), data.size(), compressed)) return PdfStreamBody(entries, data);
  return PdfStreamBody(entries + " /Filter /FlateDecode", compressed);
}

class TrueTypePdfFont final : public PdfFont {
 public:
  explicit TrueTypePdfFont(std::unique_ptr<TrueTypeFace> face) : m_face(std::move(face)) {}

  std::uint16_t GlyphFor(char32_t character) const override {
    const std::uint16_t glyph = m_face->Cmap().GlyphFor(character);
    return glyph < m_face->Glyphs().Count() ? glyph : 0;
  }

  char32_t CharacterOf(std::uint16_t glyph) const override {
    if (m_characters.empty()) m_characters = m_face->Cmap().Characters(m_face->Glyphs().Count());
    return glyph < m_characters.size() ? m_characters[glyph] : 0;
  }

  double Advance(std::uint16_t glyph) const override { return Units(m_face->AdvanceUnits(glyph)); }
  double Ascent() const override { return Units(m_face->Metrics().winAscent); }
  double Descent() const override { return Units(m_face->Metrics().winDescent); }
  double AverageWidth() const override { return Units(m_face->Metrics().averageWidth); }
  Stroke Underline() const override {
    const TrueTypeMetrics& m = m_face->Metrics();
    // 'post' gives the line's top; the stroke is centred on its middle.
    return {Units(m.underlinePosition - m.underlineThickness / 2.0), Units(m.underlineThickness)};
  }
  Stroke StrikeOut() const override {
    const TrueTypeMetrics& m = m_face->Metrics();
    // 'OS/2' gives the stroke's top too.
    return {Units(m.strikeoutPosition - m.strikeoutSize / 2.0), Units(m.strikeoutSize)};
  }

  bool MayEmbed() const override {
    const std::uint16_t fsType = m_face->Metrics().fsType;
    if (fsType & kBitmapOnly) return false;
    // Old faces set several licence bits: the least restrictive holds.
    return (fsType & kLicenceBits) != kRestrictedLicence;
  }

  PathShape Outline(std::uint16_t glyph) const override {
    return m_face->Glyphs().Outline(glyph, 1000.0 / m_face->Metrics().unitsPerEm);
  }

  void Use(std::uint16_t glyph, const std::u32string& text) override {
    if (glyph >= m_face->Glyphs().Count()) return;
    std::u32string& known = m_used[glyph];
    if (known.empty()) known = text;
  }

  bool Used() const override { return !m_used.empty(); }

  std::vector<PdfObject> SubsetObjects(std::uint32_t first) const override;

 private:
  double Units(double value) const { return value * 1000.0 / m_face->Metrics().unitsPerEm; }
  std::string SubsetName(const std::set<std::uint16_t>& glyphs) const;
  std::string Widths() const;

  std::unique_ptr<TrueTypeFace> m_face;
  std::map<std::uint16_t, std::u32string> m_used;
  mutable std::vector<char32_t> m_characters;
};

// Six capitals derived from the glyphs, so different subsets of one face differ in name,
// before the face's own.
std::string TrueTypePdfFont::SubsetName(const std::set<std::uint16_t>& glyphs) const {
  std::uint32_t hash = 2166136261u;
  for (std::uint16_t glyph : glyphs) {
    hash = (hash ^ (glyph & 0xFF)) * 16777619u;
    hash = (hash ^ (glyph >> 8)) * 16777619u;
  }
  std::string tag;
  for (int i = 0; i < 6; ++i) {
    tag += static_cast<char>('A' + hash % 26);
    hash /= 26;
  }
  return tag + "+" + m_face->PostScriptName();
}

// /W as runs of consecutive glyphs: "first [w1 w2 ...]".
std::string TrueTypePdfFont::Widths() const {
  std::string widths = "[";
  int previous = -2;
  for (const auto& entry : m_used) {
    if (entry.first != previous + 1) {
      if (previous >= 0) widths += "] ";
      widths += std::to_string(entry.first) + " [";
    } else {
      widths += ' ';
    }
    widths += PdfNumber(Advance(entry.first));
    previous = entry.first;
  }
  if (previous >= 0) widths += "]";
  return widths + "]";
}

std::vector<PdfObject> TrueTypePdfFont::SubsetObjects(std::uint32_t first) const {
  const TrueTypeMetrics& m = m_face->Metrics();
  std::set<std::uint16_t> drawn;
  const bool whole = m.fsType & kNoSubsetting;
  if (whole) {
    for (std::uint32_t g = 0; g < m_face->Glyphs().Count(); ++g)
      drawn.insert(static_cast<std::uint16_t>(g));
  } else {
    for (const auto& entry : m_used) drawn.insert(entry.first);
  }
  // Only a subset's name carries a tag.
  const std::string name = "/" + (whole ? m_face->PostScriptName() : SubsetName(drawn));
  const auto reference = [first](std::uint32_t offset) {
    return std::to_string(first + offset) + " 0 R";
  };

  std::vector<PdfObject> objects(kObjectCount);
  for (std::uint32_t i = 0; i < kObjectCount; ++i) objects[i].number = first + i;
  objects[0].body = Text("<< /Type /Font /Subtype /Type0 /BaseFont " + name +
                         " /Encoding /Identity-H /DescendantFonts [" + reference(1) +
                         "] /ToUnicode " + reference(4) + " >>");
  objects[1].body =
      Text("<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name +
           " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>"
           " /FontDescriptor " +
           reference(2) + " /DW 1000 /W " + Widths() + " /CIDToGIDMap /Identity >>");
  int flags = kSymbolic;
  if (m.fixedPitch) flags |= kFixedPitch;
  if (m.italicAngle != 0 || (m.macStyle & kMacStyleItalic)) flags |= kItalic;
  // A face whose licence forbids embedding is described, not carried.
  const bool embed = MayEmbed();
  objects[2].body =
      Text("<< /Type /FontDescriptor /FontName " + name + " /Flags " + std::to_string(flags) +
           " /FontBBox [" + PdfNumber(Units(m.xMin)) + " " + PdfNumber(Units(m.yMin)) + " " +
           PdfNumber(Units(m.xMax)) + " " + PdfNumber(Units(m.yMax)) + "] /ItalicAngle " +
           PdfNumber(m.italicAngle) + " /Ascent " + PdfNumber(Units(m.ascender)) + " /Descent " +
           PdfNumber(Units(m.descender)) + " /CapHeight " + PdfNumber(Units(m.capHeight)) +
           " /StemV " + std::to_string(m.weightClass / 5) +
           (embed ? " /FontFile2 " + reference(3) : std::string()) + " >>");
  const std::vector<std::uint8_t> program =
      embed ? TrueTypeSubset(*m_face, GlyphClosure(m_face->Glyphs(), drawn))
            : std::vector<std::uint8_t>();
  objects[3].body = CompressedStream("/Length1 " + std::to_string(program.size()), program);
  objects[4].body = CompressedStream(std::string(), Text(ToUnicodeCmap(m_used)));
  return objects;
}

}  // namespace

std::unique_ptr<PdfFont> PdfFont::Load(std::shared_ptr<const FontFace> face) {
  if (!face) return nullptr;
  std::unique_ptr<TrueTypeFace> parsed = TrueTypeFace::Load(*face);
  if (!parsed) return nullptr;
  return std::make_unique<TrueTypePdfFont>(std::move(parsed));
}
