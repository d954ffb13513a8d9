#include "font_cache.h"

#include "sfnt_bytes.h"

PdfFont* FontCache::Font(const FontRequest& request) {
  auto found = m_fonts.find(request);
  if (found != m_fonts.end()) return found->second;
  PdfFont* font = nullptr;
  if (std::shared_ptr<const FontFace> face = m_resolver.Resolve(request)) {
    // Sizes, weights and names the platform maps onto one file share one subset. A face
    // without a 'head' table loads as no font at all.
    std::vector<std::uint8_t> identity = face->Table(SfntTag("head"));
    const std::vector<std::uint8_t> names = face->Table(SfntTag("name"));
    identity.insert(identity.end(), names.begin(), names.end());
    std::unique_ptr<PdfFont>& loaded = m_faces[identity];
    if (!loaded) loaded = PdfFont::Load(std::move(face));
    font = loaded.get();
  }
  m_fonts.emplace(request, font);
  return font;
}

std::vector<PdfObject> FontCache::SubsetObjects() const {
  std::vector<PdfObject> objects;
  for (const auto& [font, number] : m_objects) {
    std::vector<PdfObject> subset = font->SubsetObjects(number);
    for (PdfObject& object : subset) objects.push_back(std::move(object));
  }
  return objects;
}
