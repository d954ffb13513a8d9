#pragma once

// Letters A to Z in lower case, every other byte as it is: names that the platform
// compares without regard to case, whatever the code page.
inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
