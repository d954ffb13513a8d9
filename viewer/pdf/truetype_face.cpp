#include "truetype_face.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kTags[] = {SfntTag("head"), SfntTag("hhea"), SfntTag("maxp"), SfntTag("hmtx"),
                                   SfntTag("loca"), SfntTag("glyf"), SfntTag("cmap"), SfntTag("OS/2"),
                                   SfntTag("post"), SfntTag("name"), SfntTag("cvt "), SfntTag("fpgm"),
                                   SfntTag("prep")};
constexpr std::size_t kHeadBytes = 54;
constexpr std::size_t kHheaBytes = 36;

// Characters of a PDF name that need no escape, and are no delimiters.
bool NameCharacter(char32_t c) {
  if (c < 0x21 || c > 0x7E) return false;
  for (char delimiter : std::string("()<>[]{}/%#")) {
    if (c == static_cast<char32_t>(delimiter)) return false;
  }
  return true;
}

}  // namespace

std::unique_ptr<TrueTypeFace> TrueTypeFace::Load(const FontFace& face) {
  std::unique_ptr<TrueTypeFace> loaded(new TrueTypeFace());
  for (std::uint32_t tag : kTags) {
    std::vector<std::uint8_t> bytes = face.Table(tag);
    if (!bytes.empty()) loaded->m_tables[tag] = std::move(bytes);
  }
  if (!loaded->Parse()) return nullptr;
  return loaded;
}

SfntBytes TrueTypeFace::Table(std::uint32_t tag) const {
  const auto found = m_tables.find(tag);
  return found == m_tables.end() ? SfntBytes() : SfntBytes(found->second.data(), found->second.size());
}

bool TrueTypeFace::Parse() {
  const SfntBytes head = Table(SfntTag("head")), hhea = Table(SfntTag("hhea")), maxp = Table(SfntTag("maxp"));
  const SfntBytes hmtx = Table(SfntTag("hmtx")), os2 = Table(SfntTag("OS/2")), post = Table(SfntTag("post"));
  if (head.size() < kHeadBytes || hhea.size() < kHheaBytes || maxp.size() < 6) return false;
  TrueTypeMetrics& m = m_metrics;
  m.unitsPerEm = head.U16(18);
  if (m.unitsPerEm < 16 || m.unitsPerEm > 16384) return false;
  m.xMin = head.S16(36);
  m.yMin = head.S16(38);
  m.xMax = head.S16(40);
  m.yMax = head.S16(42);
  m.macStyle = head.U16(44);
  const std::int16_t locaFormat = head.S16(50);
  if (locaFormat != 0 && locaFormat != 1) return false;
  m_glyphs = TrueTypeGlyphs(Table(SfntTag("loca")), Table(SfntTag("glyf")), locaFormat == 1, maxp.U16(4));
  if (m_glyphs.Count() == 0) return false;
  m_longMetrics = static_cast<std::uint16_t>(std::min<std::size_t>({hhea.U16(34), hmtx.size() / 4, m_glyphs.Count()}));
  if (m_longMetrics == 0) return false;
  m_cmap = TrueTypeCmap(Table(SfntTag("cmap")));

  m.ascender = hhea.S16(4);
  m.descender = hhea.S16(6);
  m.winAscent = m.ascender;
  m.winDescent = -m.descender;
  m.capHeight = m.ascender * 7 / 10;
  if (os2.size() >= 78) {
    m.averageWidth = os2.S16(2);
    m.weightClass = os2.U16(4);
    m.fsType = os2.U16(8);
    m.strikeoutSize = os2.S16(26);
    m.strikeoutPosition = os2.S16(28);
    m.winAscent = os2.U16(74);
    m.winDescent = os2.U16(76);
    if (os2.U16(0) >= 2 && os2.size() >= 90 && os2.S16(88) > 0) m.capHeight = os2.S16(88);
  }
  // Faces without these take Windows' own estimates: the mean advance, and strokes a
  // twentieth of the em thick.
  if (m.averageWidth <= 0) {
    std::uint64_t sum = 0, count = 0;
    for (std::uint16_t g = 0; g < m_longMetrics; ++g) {
      if (AdvanceUnits(g) == 0) continue;
      sum += AdvanceUnits(g);
      ++count;
    }
    m.averageWidth = count ? static_cast<int>(sum / count) : m.unitsPerEm / 2;
  }
  if (m.winAscent + m.winDescent <= 0) {
    m.winAscent = m.unitsPerEm * 4 / 5;
    m.winDescent = m.unitsPerEm / 5;
  }
  if (post.size() >= 16) {
    m.italicAngle = static_cast<std::int32_t>(post.U32(4)) / 65536.0;
    m.underlinePosition = post.S16(8);
    m.underlineThickness = post.S16(10);
    m.fixedPitch = post.U32(12) != 0;
  }
  if (m.underlineThickness <= 0) {
    m.underlineThickness = m.unitsPerEm / 20;
    m.underlinePosition = -m.unitsPerEm / 10;
  }
  if (m.strikeoutSize <= 0) {
    m.strikeoutSize = m.underlineThickness;
    m.strikeoutPosition = m.winAscent * 3 / 10;
  }

  for (const char32_t c : NameEntry(6)) {
    if (NameCharacter(c)) m_postScriptName += static_cast<char>(c);
  }
  if (m_postScriptName.empty()) {
    for (const char32_t c : NameEntry(1)) {
      if (NameCharacter(c)) m_postScriptName += static_cast<char>(c);
    }
  }
  if (m_postScriptName.empty()) m_postScriptName = "TrueTypeFace";
  // A PDF name stays under 127 bytes with the subset tag in front.
  m_postScriptName.resize(std::min<std::size_t>(m_postScriptName.size(), 100));
  return true;
}

std::uint16_t TrueTypeFace::AdvanceUnits(std::uint16_t glyph) const {
  const SfntBytes hmtx = Table(SfntTag("hmtx"));
  return hmtx.U16(4 * std::min<std::uint16_t>(glyph, m_longMetrics - 1));
}

std::int16_t TrueTypeFace::LeftBearing(std::uint16_t glyph) const {
  const SfntBytes hmtx = Table(SfntTag("hmtx"));
  if (glyph < m_longMetrics) return hmtx.S16(4 * glyph + 2);
  return hmtx.S16(4 * m_longMetrics + 2 * (glyph - m_longMetrics));
}

std::string TrueTypeFace::NameEntry(std::uint16_t id) const {
  const SfntBytes name = Table(SfntTag("name"));
  const std::size_t count = name.U16(2);
  const std::size_t strings = name.U16(4);
  std::string macintosh;
  for (std::size_t i = 0; i < count && name.Has(6 + 12 * i, 12); ++i) {
    const std::size_t record = 6 + 12 * i;
    if (name.U16(record + 6) != id) continue;
    const std::uint16_t platform = name.U16(record);
    const SfntBytes text = name.Part(strings + name.U16(record + 10), name.U16(record + 8));
    if (platform == 3 || platform == 0) {
      std::string ascii;
      for (std::size_t at = 0; at + 1 < text.size(); at += 2) {
        const std::uint16_t unit = text.U16(at);
        if (unit < 0x80) ascii += static_cast<char>(unit);
      }
      if (!ascii.empty()) return ascii;
    } else if (platform == 1 && macintosh.empty() && !text.empty()) {
      macintosh.assign(reinterpret_cast<const char*>(text.data()), text.size());
    }
  }
  return macintosh;
}
