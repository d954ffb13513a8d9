#pragma once

#include <cstdio>
#include <string>

// A printf-style text of the export's messages and names, cut at 511 characters.
template <class... Args>
std::string FormatText(const char* format, Args... args) {
  char text[512];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}
