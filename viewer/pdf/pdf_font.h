#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "font_face.h"
#include "path_shape.h"
#include "pdf_syntax.h"

// A TrueType face as the PDF writer uses it: glyphs for characters, their advances and
// outlines, and at the end of the document the embedded subset of the glyphs drawn.
class PdfFont {
 public:
  // nullptr when the tables make no usable TrueType face (no 'glyf'/'loca', CFF outlines,
  // damaged tables).
  static std::unique_ptr<PdfFont> Load(std::shared_ptr<const FontFace> face);
  virtual ~PdfFont() = default;

  // The glyph the face's character map gives `character`; 0 (.notdef) when none.
  virtual std::uint16_t GlyphFor(char32_t character) const = 0;
  // A character that maps to `glyph`, for glyph-index text; 0 when none does.
  virtual char32_t CharacterOf(std::uint16_t glyph) const = 0;
  // The glyph's advance in thousandths of the em, as the subset's /W gives it.
  virtual double Advance(std::uint16_t glyph) const = 0;
  // Vertical metrics in thousandths of the em, as Windows sizes a cell (usWinAscent and
  // usWinDescent), both positive; and the average width (xAvgCharWidth), which a font
  // record's width is relative to.
  virtual double Ascent() const = 0;
  virtual double Descent() const = 0;
  virtual double AverageWidth() const = 0;
  // A line drawn along the baseline: its middle's height above the baseline (negative
  // below) and its thickness, thousandths of the em. The defaults are plain fractions of
  // the em for fonts that know none.
  struct Stroke {
    double position = 0, thickness = 0;
  };
  virtual Stroke Underline() const { return {-100, 50}; }
  virtual Stroke StrikeOut() const { return {Ascent() * 0.3, 50}; }
  // Whether the face's embedding bits let a document carry it (installable, editable, or
  // preview-and-print; not restricted, not bitmap-only).
  virtual bool MayEmbed() const = 0;
  // The glyph's outline in thousandths of the em, y up, origin on the baseline: for faces
  // that may not be embedded, and for text drawn into a path.
  virtual PathShape Outline(std::uint16_t glyph) const = 0;

  // Records that `glyph` was drawn for `text` (what copying it gives, via ToUnicode).
  virtual void Use(std::uint16_t glyph, const std::u32string& text) = 0;
  virtual bool Used() const = 0;
  // The subset's objects once every page is written: the Type0 font (Identity-H) numbered
  // `first`, then its CIDFontType2, font descriptor, FontFile2 and ToUnicode streams
  // numbered first + 1 to first + 4. Glyph ids stay as they are (CIDToGIDMap Identity).
  virtual std::vector<PdfObject> SubsetObjects(std::uint32_t first) const = 0;
  static constexpr std::uint32_t kObjectCount = 5;
};
