#include "truetype_cmap.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kLastCharacter = 0x10FFFF;
constexpr std::uint32_t kWalkBudget = 0x110000;
constexpr std::size_t kGroupBytes = 12;

// Lower is preferred; 0 is a subtable not used.
int Rank(std::uint16_t platform, std::uint16_t encoding) {
  if (platform == 3 && encoding == 10) return 1;
  if (platform == 0 && encoding >= 4) return 2;
  if (platform == 3 && encoding == 1) return 3;
  if (platform == 0) return 4;
  if (platform == 3 && encoding == 0) return 5;
  if (platform == 1 && encoding == 0) return 6;
  return 0;
}

bool Supported(std::uint16_t format) {
  return format == 0 || format == 4 || format == 6 || format == 12;
}

}  // namespace

TrueTypeCmap::TrueTypeCmap(SfntBytes table) {
  const std::size_t count = std::min<std::size_t>(table.U16(2), (table.size() - std::min<std::size_t>(table.size(), 4)) / 8);
  int best = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t record = 4 + 8 * i;
    const int rank = Rank(table.U16(record), table.U16(record + 2));
    const std::uint32_t offset = table.U32(record + 4);
    if (rank == 0 || (best != 0 && rank >= best) || !table.Has(offset, 4)) continue;
    const std::uint16_t format = table.U16(offset);
    if (!Supported(format)) continue;
    // Format 4's 16-bit length overflows in large fonts: it runs to the table's end.
    std::size_t length = table.size() - offset;
    if (format == 12) length = std::min<std::size_t>(length, table.U32(offset + 4));
    else if (format != 4) length = std::min<std::size_t>(length, table.U16(offset + 2));
    best = rank;
    m_subtable = table.Part(offset, length);
    m_format = format;
    m_symbol = table.U16(record) == 3 && table.U16(record + 2) == 0;
  }
}

std::uint16_t TrueTypeCmap::GlyphFor(char32_t character) const {
  const std::uint16_t glyph = Lookup(character);
  if (glyph != 0 || !m_symbol || character < 0x20 || character > 0xFF) return glyph;
  return Lookup(0xF000 + character);
}

std::uint16_t TrueTypeCmap::SegmentGlyph(std::uint32_t segment, std::uint32_t code) const {
  const std::size_t segments2 = m_subtable.U16(6) & ~1u;
  const std::uint32_t start = m_subtable.U16(16 + segments2 + 2 * segment);
  const std::uint16_t delta = m_subtable.U16(16 + 2 * segments2 + 2 * segment);
  const std::size_t rangeAt = 16 + 3 * segments2 + 2 * segment;
  const std::uint16_t rangeOffset = m_subtable.U16(rangeAt);
  if (code < start) return 0;
  if (rangeOffset == 0) return static_cast<std::uint16_t>(code + delta);
  const std::uint16_t glyph = m_subtable.U16(rangeAt + rangeOffset + 2 * (code - start));
  return glyph == 0 ? 0 : static_cast<std::uint16_t>(glyph + delta);
}

std::uint16_t TrueTypeCmap::Lookup(std::uint32_t code) const {
  switch (m_format) {
    case 0:
      return code < 256 ? m_subtable.U8(6 + code) : 0;
    case 6: {
      const std::uint32_t first = m_subtable.U16(6);
      if (code < first || code - first >= m_subtable.U16(8)) return 0;
      return m_subtable.U16(10 + 2 * (code - first));
    }
    case 4: {
      if (code > 0xFFFF) return 0;
      const std::uint32_t segments = m_subtable.U16(6) / 2;
      // The first segment whose end is at or after the code: ends ascend.
      std::uint32_t low = 0, high = segments;
      while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        if (m_subtable.U16(14 + 2 * middle) < code) low = middle + 1;
        else high = middle;
      }
      return low < segments ? SegmentGlyph(low, code) : 0;
    }
    case 12: {
      const std::size_t groups = std::min<std::size_t>(m_subtable.U32(12), (m_subtable.size() - std::min<std::size_t>(m_subtable.size(), 16)) / kGroupBytes);
      // The last group starting at or before the code: starts ascend.
      std::size_t low = 0, high = groups;
      while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (m_subtable.U32(16 + kGroupBytes * middle) <= code) low = middle + 1;
        else high = middle;
      }
      if (low == 0) return 0;
      const std::size_t group = 16 + kGroupBytes * (low - 1);
      const std::uint32_t start = m_subtable.U32(group);
      if (code > m_subtable.U32(group + 4)) return 0;
      return static_cast<std::uint16_t>(m_subtable.U32(group + 8) + (code - start));
    }
    default:
      return 0;
  }
}

void TrueTypeCmap::ForEach(const std::function<void(char32_t, std::uint16_t)>& visit) const {
  std::uint32_t budget = kWalkBudget;
  const auto walk = [&](std::uint32_t first, std::uint32_t last, auto glyphOf) {
    for (std::uint32_t code = first; code <= last && budget > 0; ++code, --budget) {
      const std::uint16_t glyph = glyphOf(code);
      if (glyph != 0) visit(code, glyph);
    }
  };
  switch (m_format) {
    case 0:
    case 6: {
      const std::uint32_t first = m_format == 0 ? 0 : m_subtable.U16(6);
      const std::uint32_t count = m_format == 0 ? 256 : m_subtable.U16(8);
      if (count > 0) walk(first, std::min<std::uint32_t>(first + count - 1, 0xFFFF), [&](std::uint32_t code) { return Lookup(code); });
      break;
    }
    case 4: {
      const std::uint32_t segments = m_subtable.U16(6) / 2;
      for (std::uint32_t segment = 0; segment < segments && budget > 0; ++segment) {
        const std::uint32_t end = m_subtable.U16(14 + 2 * segment);
        const std::uint32_t start = m_subtable.U16(16 + 2 * segments + 2 * segment);
        // 0xFFFF closes the table and maps nothing.
        walk(start, std::min<std::uint32_t>(end, 0xFFFE), [&](std::uint32_t code) { return SegmentGlyph(segment, code); });
      }
      break;
    }
    case 12: {
      const std::size_t groups = std::min<std::size_t>(m_subtable.U32(12), (m_subtable.size() - std::min<std::size_t>(m_subtable.size(), 16)) / kGroupBytes);
      for (std::size_t i = 0; i < groups && budget > 0; ++i) {
        const std::size_t group = 16 + kGroupBytes * i;
        const std::uint32_t start = m_subtable.U32(group);
        const std::uint32_t glyph = m_subtable.U32(group + 8);
        walk(start, std::min(m_subtable.U32(group + 4), kLastCharacter), [&](std::uint32_t code) { return static_cast<std::uint16_t>(glyph + (code - start)); });
      }
      break;
    }
    default:
      break;
  }
}
