#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "truetype_face.h"

// The glyphs a subset must outline for `glyphs`: them, glyph 0, and every component of the
// composites among them, to the depth outlines are drawn at; ids out of range dropped.
std::set<std::uint16_t> GlyphClosure(const TrueTypeGlyphs& glyphs, const std::set<std::uint16_t>& drawn);

// A TrueType file of `face` that outlines only `kept` (a closure): glyph ids unchanged, the
// other glyphs empty, the glyph count ending after the highest kept. Tables glyf, loca,
// head (its checksum adjustment recomputed), hhea, hmtx, maxp, and cvt, fpgm and prep as
// the face has them: what a CIDFontType2 program needs, without a character map.
std::vector<std::uint8_t> TrueTypeSubset(const TrueTypeFace& face, const std::set<std::uint16_t>& kept);
