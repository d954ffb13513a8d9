#include "font_cache.h"

PdfFont* FontCache::Font(const FontRequest& request) {
  const Key key{request.faceName, request.weight, request.italic, request.charset};
  auto found = m_fonts.find(key);
  if (found == m_fonts.end()) {
    std::shared_ptr<const FontFace> face = m_resolver.Resolve(request);
    found = m_fonts.emplace(key, face ? PdfFont::Load(std::move(face)) : nullptr).first;
  }
  return found->second.get();
}

std::vector<PdfObject> FontCache::SubsetObjects() const {
  std::vector<PdfObject> objects;
  for (const auto& [font, number] : m_objects) {
    std::vector<PdfObject> subset = font->SubsetObjects(number);
    for (PdfObject& object : subset) objects.push_back(std::move(object));
  }
  return objects;
}
