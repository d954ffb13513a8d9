#pragma once

#include <windows.h>

#include <string>

// Reads the start of a page file and checks that it is an enhanced metafile (the header
// record's type and signature); on success gives the picture frame in 0.01 mm.
bool ReadPageFrame(const std::string& path, RECTL& frame);
