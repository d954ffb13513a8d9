#pragma once

#include <string>

// Texts between the ANSI code page (the 9x spooler, the registry calls of the floor) and
// UTF-16 (the NT spooler, the port list). A text that does not convert comes back empty.
std::u16string FromAnsi(const std::string& text);
std::string ToAnsi(const std::u16string& text);
