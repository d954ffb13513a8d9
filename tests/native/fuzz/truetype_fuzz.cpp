// A font file: whatever Load accepts answers every question within the bytes, its outlines
// and subset are written, and the subset loads again with the same advances.
#include <cstdlib>

#include "font_files.h"
#include "pdf_font.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  auto face = FileFontFace::FromBytes(std::vector<std::uint8_t>(data, data + size));
  if (!face) return 0;
  std::unique_ptr<PdfFont> font = PdfFont::Load(face);
  if (!font) return 0;
  Check(font->Ascent() + font->Descent() > 0 && font->AverageWidth() > 0);
  for (char32_t character : {U'A', U'g', U'\u00E9', U'\u65E5', U'\uD55C', U'\U0001F600', U'\uF041'}) {
    const std::uint16_t glyph = font->GlyphFor(character);
    font->OutlinePath(glyph);
    font->Use(glyph, std::u32string(1, character));
  }
  for (std::uint16_t glyph = 0; glyph < 8; ++glyph) {
    font->OutlinePath(glyph);
    font->CharacterOf(glyph);
    font->Use(glyph, U"");
  }
  const std::vector<PdfObject> objects = font->SubsetObjects(10);
  Check(objects.size() == PdfFont::kObjectCount);
  return 0;
}
