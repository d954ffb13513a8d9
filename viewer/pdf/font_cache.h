#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "font_face.h"
#include "pdf_font.h"
#include "pdf_syntax.h"

// The document's fonts, one per face however many requests resolve to it: loaded once,
// their object numbers reserved when a page first draws with them as text, and their
// subsets written at the end.
class FontCache {
 public:
  explicit FontCache(FontResolver& resolver) : m_resolver(resolver) {}

  // The font `request` draws with; nullptr when the platform has no TrueType face for it.
  PdfFont* Font(const FontRequest& request);
  // The font's Type0 object, reserved through `allocate` on its first use.
  template <class Allocate>
  std::uint32_t ObjectOf(PdfFont* font, Allocate allocate) {
    std::uint32_t& number = m_objects[font];
    if (number == 0) number = allocate(PdfFont::kObjectCount);
    return number;
  }
  // Every embedded font's subset objects.
  std::vector<PdfObject> SubsetObjects() const;

 private:
  FontResolver& m_resolver;
  std::map<FontRequest, PdfFont*> m_fonts;
  // By the face's 'head' and 'name' tables, which tell one font file from another.
  std::map<std::vector<std::uint8_t>, std::unique_ptr<PdfFont>> m_faces;
  std::map<PdfFont*, std::uint32_t> m_objects;
};
