#pragma once

#include <cstdint>
#include <map>
#include <string>

// The ToUnicode CMap of a font whose codes are two-byte glyph ids: each glyph to the text it
// was drawn for, in UTF-16BE (surrogate pairs beyond the BMP, several characters for a
// cluster). Runs of glyphs whose single characters follow each other become ranges; glyphs
// drawn for no text are left out.
std::string ToUnicodeCmap(const std::map<std::uint16_t, std::u32string>& texts);
