#pragma once

#include <windows.h>

#include "picture_source.h"

// Pictures of parts of a recorded sheet, played by the platform's checked player into the
// sheet's picture routine (white paper, banded where memory is short).
class MetafilePictures : public PictureSource {
 public:
  // `sheet` stays the caller's and must outlive this.
  explicit MetafilePictures(HENHMETAFILE sheet);
  bool Draw(std::size_t lastRecord, const FrameArea& area, std::uint32_t width, std::uint32_t height,
            Image& image) override;

 private:
  HENHMETAFILE m_sheet;
  RECTL m_frame = {};
};
