#pragma once

#include <string>

// The 9x family deletes a file at the next start when "wininit.ini" in the Windows folder
// says "NUL=<path>" in its [Rename] section; the section may name NUL many times.

// The text of wininit.ini with "NUL=<path>" as the first entry of its [Rename] section
// (found without regard to case), made at the end when there is none. An entry for the same
// path moves to the top rather than repeating, so the installer, which reads the first NUL
// entry, finds the one made last. Other lines stay as they were, whatever their line ends (a last line without
// one gets "\r\n").
std::string WithWininitDeletion(const std::string& text, const std::string& path);
