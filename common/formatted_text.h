#pragma once

#include <string>

// printf-style formatting into a string as long as the result needs, so that long paths
// or system texts are never cut into a fixed buffer. A caller that must fill one cuts the
// result at a character boundary (CopyIntoBuffer, dbcs_text.h).
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
