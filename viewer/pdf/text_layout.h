#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pdf_font.h"

// One text record as the metafile holds it, in the logical units of the record's DC
// (y growing downwards, as GDI's default).
struct TextRecord {
  double x = 0, y = 0;              // the reference point
  std::u16string characters;        // UTF-16 text, or glyph indices with glyphIndices
  bool glyphIndices = false;        // ETO_GLYPH_INDEX
  std::vector<double> dx;           // advances between character cells; empty: the font's
  std::vector<double> dy;           // with ETO_PDY only, else empty
  std::uint32_t align = 0;          // TA_* flags in force (TA_UPDATECP is the caller's)
  // The font record's LOGFONT fields that shape the run.
  double height = 0;                // lfHeight: < 0 the em, > 0 the cell height
  double width = 0;                 // lfWidth: 0 the font's own proportions
  double escapement = 0;            // tenths of a degree, anticlockwise
  bool underline = false, strikeOut = false;
  double extraSpace = 0;            // SetTextCharacterExtra; added after each character
};

// One glyph placed: its origin on the baseline, logical units.
struct PlacedGlyph {
  std::uint16_t glyph = 0;
  std::u32string text;  // the characters it stands for ("" for the later glyphs of a cluster)
  double x = 0, y = 0;
};

// A straight stroke (underline, strike-out) from (x0, y0) to (x1, y1), `thickness` wide.
struct TextStroke {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0, thickness = 0;
};

// Where a run's glyphs go: the em size and the horizontal scale (from lfWidth) that the
// glyphs are drawn at, the baseline's angle, each glyph's origin, the strokes, the cell box
// (for an opaque background) and the point after the run (for TA_UPDATECP).
struct TextPlacement {
  double emSize = 0;
  double horizontalScale = 1;
  double angleDegrees = 0;  // anticlockwise, from the escapement
  std::vector<PlacedGlyph> glyphs;
  std::vector<TextStroke> strokes;
  double boxCorners[4][2] = {};  // the run's cell: four corners, logical units
  double endX = 0, endY = 0;
};

// Lays out `record` in `font`: alignment (left, right, centre; top, bottom, baseline),
// the advance array (so a line keeps the exact length the application gave it), surrogate
// pairs, glyph-index text, escapement, underline and strike-out.
TextPlacement LayOutText(const TextRecord& record, const PdfFont& font);
