#pragma once

#include <string>

#include "file_bytes.h"

// One page drawn with GDI into an enhanced metafile.
struct PageDrawing {
  int widthHundredthsMm = 21000;
  int heightHundredthsMm = 29700;
  std::string label = "Page";
  // The metafile's description; a different length changes the header record's size.
  std::string description;
  // Lines of body text under the label, as a text-heavy document has.
  int textLines = 0;
};

// The metafile's bytes, as GetEnhMetaFileBits returns them.
Bytes DrawEmfPage(const PageDrawing& drawing);
