#pragma once

#include "image_writers.h"

// The writer for the format that the path's extension names, in any letter case;
// nullptr for any other extension or none.
ImageWriter FindImageWriter(const char* targetPath);
