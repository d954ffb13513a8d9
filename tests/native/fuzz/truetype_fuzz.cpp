// A font file: whatever Load accepts answers every question within the bytes, writes its
// outlines and subset objects, and its subset loads again with the same glyphs.
#include <cstdlib>

#include "font_files.h"
#include "pdf_font.h"
#include "truetype_subset.h"

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
  std::set<std::uint16_t> drawn;
  for (char32_t character : {U'A', U'g', U'\u00E9', U'\u65E5', U'\uD55C', U'\U0001F600', U'0'}) {
    const std::uint16_t glyph = font->GlyphFor(character);
    font->Outline(glyph);
    font->Use(glyph, std::u32string(1, character));
    drawn.insert(glyph);
  }
  for (std::uint16_t glyph = 0; glyph < 8; ++glyph) {
    font->CharacterOf(glyph);
    font->Use(glyph, U"");
  }
  Check(font->SubsetObjects(10).size() == PdfFont::kObjectCount);

  auto parsed = TrueTypeFace::Load(*face);
  Check(parsed != nullptr);
  const std::set<std::uint16_t> kept = GlyphClosure(parsed->Glyphs(), drawn);
  auto subset = PdfFont::Load(FileFontFace::FromBytes(TrueTypeSubset(*parsed, kept)));
  Check(subset != nullptr);
  // Components are kept as deep as outlines are drawn from the glyphs drawn, not from
  // each component: those draw alike, the others measure alike.
  for (std::uint16_t glyph : kept) Check(subset->Advance(glyph) == font->Advance(glyph));
  for (std::uint16_t glyph : drawn) Check(subset->Outline(glyph).Operators() == font->Outline(glyph).Operators());
  return 0;
}
