#pragma once

#include <cstdint>
#include <vector>

#include "sfnt_bytes.h"

// A face's character map: the one subtable Windows draws with (Unicode full repertoire
// 3/10, Unicode BMP 3/1, the Unicode platform, symbol 3/0, Macintosh 1/0 last), formats 0,
// 4, 6 and 12. Views the 'cmap' bytes, which must outlive it.
class TrueTypeCmap {
 public:
  TrueTypeCmap() = default;
  explicit TrueTypeCmap(SfntBytes table);

  // 0 when the subtable maps nothing to `character`. A symbol face also maps U+0020 to
  // U+00FF to its glyphs at U+F020 to U+F0FF, as Windows draws such fonts; a Macintosh
  // subtable maps only ASCII.
  std::uint16_t GlyphFor(char32_t character) const;
  // For each glyph below `glyphCount`, the lowest character the subtable maps to it (0 for
  // none); a damaged table is walked for at most about 0x110000 steps.
  std::vector<char32_t> Characters(std::uint16_t glyphCount) const;

 private:
  std::uint16_t Lookup(std::uint32_t code) const;
  std::uint16_t SegmentGlyph(std::uint32_t segment, std::uint32_t code) const;

  SfntBytes m_subtable;
  std::uint16_t m_format = 0;
  bool m_symbol = false;
  bool m_macintosh = false;
};
