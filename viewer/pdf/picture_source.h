#pragma once

#include <cstddef>
#include <cstdint>

#include "image.h"

// An area of the metafile's frame, in its units (hundredths of a millimetre, as the
// header's rclFrame), left < right and top < bottom.
struct FrameArea {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// What PDF cannot express is drawn as a picture by the platform, which can play metafiles.
class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // Plays the metafile's records 0 to `lastRecord` (the header being record 0) onto white
  // and returns the part that shows in `area` as `width` x `height` pixels (RGB rows, top
  // down, in `image`). False when the picture cannot be had.
  virtual bool Draw(std::size_t lastRecord, const FrameArea& area, std::uint32_t width,
                    std::uint32_t height, Image& image) = 0;
};
