#pragma once

#include <cstdint>
#include <functional>

#include "sfnt_bytes.h"

// A face's character map: the one subtable Windows draws with (Unicode full repertoire
// 3/10, Unicode BMP 3/1, the Unicode platform, symbol 3/0, Macintosh 1/0 last), formats 0,
// 4, 6 and 12. Views the 'cmap' bytes, which must outlive it.
class TrueTypeCmap {
 public:
  TrueTypeCmap() = default;
  explicit TrueTypeCmap(SfntBytes table);

  // 0 when the subtable maps nothing to `character`. A symbol face also maps U+0020 to
  // U+00FF to its glyphs at U+F020 to U+F0FF, as Windows draws such fonts.
  std::uint16_t GlyphFor(char32_t character) const;
  // Each character the subtable maps, with its glyph, in subtable order; a damaged table
  // is walked for at most about 0x110000 characters.
  void ForEach(const std::function<void(char32_t, std::uint16_t)>& visit) const;

 private:
  std::uint16_t Lookup(std::uint32_t code) const;
  std::uint16_t SegmentGlyph(std::uint32_t segment, std::uint32_t code) const;

  SfntBytes m_subtable;
  std::uint16_t m_format = 0;
  bool m_symbol = false;
};
