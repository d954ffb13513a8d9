#pragma once

#include <cstddef>
#include <cstdint>

#include "display_metrics.h"

// A page's picture frame in 0.01 mm, as its metafile header records it.
struct PageFrame {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// The metafile header record's fixed part, which holds everything the page size needs.
constexpr std::size_t kEmfHeaderRecordBytes = 108;

// Checks that the bytes start an enhanced metafile (the header record's type and
// signature) and gives its frame; false for anything else or too few bytes.
bool ParsePageFrame(const unsigned char* header, std::size_t length, PageFrame& frame);

// A page's size in display pixels from its frame: each side's extent over the display's
// hundredths of a millimetre per pixel, rounded; false when either side comes out 0 or
// less, beyond an int, or the metrics cannot convert.
bool PageSizeInPixels(const PageFrame& frame, const DisplayMetrics& metrics, int& width,
                      int& height);
