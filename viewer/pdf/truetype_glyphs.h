#pragma once

#include <cstdint>
#include <vector>

#include "path_shape.h"
#include "sfnt_bytes.h"

// The outlines of a face ('glyf' through 'loca'). Views the tables' bytes, which must
// outlive it. Damaged entries read as empty glyphs.
class TrueTypeGlyphs {
 public:
  TrueTypeGlyphs() = default;
  TrueTypeGlyphs(SfntBytes loca, SfntBytes glyf, bool longOffsets, std::uint16_t glyphCount);

  // How deep composites nest in the outlines drawn: real fonts nest two or three levels; a
  // loop or a bomb of references stops here.
  static constexpr int kMaxDepth = 8;

  // How many glyphs both 'maxp' and 'loca' give.
  std::uint16_t Count() const { return m_count; }
  // The glyph's description; empty for a glyph without outline or one out of range.
  SfntBytes Description(std::uint16_t glyph) const;
  // Whether the glyph has a description that reads to its end within its bytes.
  bool Intact(std::uint16_t glyph) const;
  // The glyphs an intact composite glyph is made of (not those of its components).
  std::vector<std::uint16_t> Components(std::uint16_t glyph) const;
  // The outline in font units times `scale`, y up; composites with their components'
  // transforms, nested to a few levels.
  PathShape Outline(std::uint16_t glyph, double scale) const;

 private:
  struct Point {
    double x, y;
    bool onCurve;
  };
  using Contour = std::vector<Point>;
  struct Transform {
    double xx = 1, xy = 0, yx = 0, yy = 1, dx = 0, dy = 0;
  };
  void Collect(std::uint16_t glyph, const Transform& transform, int depth, std::size_t& budget,
               std::vector<Contour>& contours) const;
  static bool SimpleContours(SfntBytes description, const Transform& transform, std::size_t& budget,
                             std::vector<Contour>& contours);

  SfntBytes m_loca, m_glyf;
  bool m_longOffsets = false;
  std::uint16_t m_count = 0;
};
