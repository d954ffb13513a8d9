#pragma once

#include <cstdint>
#include <string>
#include <vector>

// PendingFileRenameOperations as the system keeps it: UTF-16LE strings, each ended by a
// 0 unit, in pairs (source, then destination, which may be empty), the list ended by an
// empty source. A pair whose source is the file being kept is what must go.

// Removes every pair whose source equals one of `sources` (letters A-Z in either case),
// moving what follows down over it. Every other byte stays as it was, including a trailing
// odd byte. Never reads past the data, whatever it holds: an unterminated source ends the
// walk, an unterminated destination ends at the data's end. True when a pair was removed.
bool RemoveRenamePairs(std::vector<std::uint8_t>& value, const std::vector<std::u16string>& sources);
