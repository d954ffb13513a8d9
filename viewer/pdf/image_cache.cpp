#include "image_cache.h"

std::uint32_t ImageCache::Find(const std::vector<std::uint8_t>& body) const {
  const auto found = m_numbers.find(body);
  return found == m_numbers.end() ? 0 : found->second;
}

void ImageCache::Remember(const PdfObject& image) {
  if (image.body.size() > kMostBytesEach || m_bytes + image.body.size() > kMostBytes) return;
  if (m_numbers.emplace(image.body, image.number).second) m_bytes += image.body.size();
}
