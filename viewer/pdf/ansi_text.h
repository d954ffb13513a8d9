#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The characters of an 8-bit text record in the font's character set: Windows-1252 for
// the ANSI and default sets, the private-use symbol range for SYMBOL_CHARSET. False for
// other sets, whose code pages this core does not carry.
bool DecodeAnsiText(const std::uint8_t* bytes, std::size_t count, std::uint8_t charset, std::u16string& text);
