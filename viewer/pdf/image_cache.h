#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "pdf_syntax.h"

// Image objects the document already holds, by their bytes: a picture drawn on many sheets
// (a logo, an icon, a stamp) is written once and referred to from every page. Only images
// up to a size are remembered, up to a total, so the memory held stays bounded however long
// the job.
class ImageCache {
 public:
  // The object number of an image written with exactly `body`; 0 when there is none.
  std::uint32_t Find(const std::vector<std::uint8_t>& body) const;
  // Remembers `image`, which the document writes, if it fits.
  void Remember(const PdfObject& image);

 private:
  static constexpr std::size_t kMostBytesEach = 256 * 1024;
  static constexpr std::size_t kMostBytes = 4 * 1024 * 1024;

  std::map<std::vector<std::uint8_t>, std::uint32_t> m_numbers;
  std::size_t m_bytes = 0;
};
