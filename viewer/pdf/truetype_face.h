#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "font_face.h"
#include "sfnt_bytes.h"
#include "truetype_cmap.h"
#include "truetype_glyphs.h"

// What the writer needs of 'head', 'hhea', 'OS/2' and 'post', in font units.
struct TrueTypeMetrics {
  std::uint16_t unitsPerEm = 1000;
  std::int16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::uint16_t macStyle = 0;
  int ascender = 0, descender = 0;  // hhea, descender negative
  int winAscent = 0, winDescent = 0;  // both positive
  int averageWidth = 0;
  std::uint16_t fsType = 0;
  std::uint16_t weightClass = 400;
  int capHeight = 0;
  int underlinePosition = 0, underlineThickness = 0;  // post; position negative below the baseline
  int strikeoutPosition = 0, strikeoutSize = 0;       // OS/2
  double italicAngle = 0;
  bool fixedPitch = false;
};

// A TrueType face's tables, owned and parsed: metrics, character map, horizontal metrics,
// outlines and names. Every read is bounds-checked.
class TrueTypeFace {
 public:
  // nullptr without usable 'head', 'hhea', 'maxp', 'hmtx', 'loca' and 'glyf'.
  static std::unique_ptr<TrueTypeFace> Load(const FontFace& face);

  const TrueTypeMetrics& Metrics() const { return m_metrics; }
  const TrueTypeCmap& Cmap() const { return m_cmap; }
  const TrueTypeGlyphs& Glyphs() const { return m_glyphs; }
  std::uint16_t AdvanceUnits(std::uint16_t glyph) const;
  std::int16_t LeftBearing(std::uint16_t glyph) const;
  // The PostScript name (name id 6), only characters a PDF name keeps unescaped; the
  // family name without spaces when there is none.
  const std::string& PostScriptName() const { return m_postScriptName; }
  // A table as the face gave it; empty when it has none.
  SfntBytes Table(std::uint32_t tag) const;

 private:
  TrueTypeFace() = default;
  bool Parse();
  std::string NameEntry(std::uint16_t id) const;

  std::map<std::uint32_t, std::vector<std::uint8_t>> m_tables;
  TrueTypeMetrics m_metrics;
  TrueTypeCmap m_cmap;
  TrueTypeGlyphs m_glyphs;
  std::uint16_t m_longMetrics = 0;
  std::string m_postScriptName;
};
