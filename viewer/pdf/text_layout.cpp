#include "text_layout.h"

#include <cmath>

namespace {

constexpr std::uint32_t kAlignRight = 2;
constexpr std::uint32_t kAlignCenter = 6;
constexpr std::uint32_t kAlignHorizontal = 6;
constexpr std::uint32_t kAlignBottom = 8;
constexpr std::uint32_t kAlignBaseline = 24;
constexpr std::uint32_t kAlignVertical = 24;
// The cell height the font mapper takes for a height of 0.
constexpr double kDefaultCellHeight = 16;
constexpr double kPi = 3.14159265358979323846;

bool HighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool LowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// One glyph's cell before placing: its advance along the baseline and its rise across it.
struct Cell {
  std::uint16_t glyph;
  std::u32string text;
  double advance, rise;
};

}  // namespace

TextPlacement LayOutText(const TextRecord& record, const PdfFont& font) {
  TextPlacement placement;
  const double cell = font.Ascent() + font.Descent();
  if (record.height < 0) {
    placement.emSize = -record.height;
  } else {
    const double height = record.height > 0 ? record.height : kDefaultCellHeight;
    placement.emSize = cell > 0 ? height * 1000 / cell : height;
  }
  const double em = placement.emSize / 1000;
  if (record.width != 0 && font.AverageWidth() > 0)
    placement.horizontalScale = std::fabs(record.width) / (font.AverageWidth() * em);
  placement.angleDegrees = record.escapement / 10;
  const double radians = placement.angleDegrees * kPi / 180;
  // Logical y grows downwards: the baseline turns anticlockwise on the page.
  const double alongX = std::cos(radians), alongY = -std::sin(radians);
  const double upX = -std::sin(radians), upY = -std::cos(radians);

  // The advance array has one entry per UTF-16 unit: a surrogate pair's cell is as wide
  // as its two entries together.
  std::vector<Cell> cells;
  double width = 0;
  const std::u16string& units = record.characters;
  for (std::size_t i = 0; i < units.size();) {
    Cell c{0, std::u32string(), 0, 0};
    std::size_t count = 1;
    if (record.glyphIndices) {
      c.glyph = units[i];
      const char32_t character = font.CharacterOf(c.glyph);
      if (character != 0) c.text = character;
    } else {
      char32_t character = units[i];
      if (HighSurrogate(units[i]) && i + 1 < units.size() && LowSurrogate(units[i + 1])) {
        character = 0x10000 + ((character - 0xD800) << 10) + (units[i + 1] - 0xDC00);
        count = 2;
      }
      c.glyph = font.GlyphFor(character);
      c.text = character;
    }
    if (i < record.dx.size()) {
      for (std::size_t k = i; k < i + count && k < record.dx.size(); ++k) c.advance += record.dx[k];
    } else {
      // The metafile's advances already hold the character extra; the font's do not.
      c.advance = font.Advance(c.glyph) * em * placement.horizontalScale + record.extraSpace;
    }
    for (std::size_t k = i; k < i + count && k < record.dy.size(); ++k) c.rise += record.dy[k];
    width += c.advance;
    cells.push_back(std::move(c));
    i += count;
  }

  double startAlong = 0, startUp = 0;
  const std::uint32_t horizontal = record.align & kAlignHorizontal;
  if (horizontal == kAlignRight) startAlong = -width;
  else if (horizontal == kAlignCenter) startAlong = -width / 2;
  const std::uint32_t vertical = record.align & kAlignVertical;
  const double ascent = font.Ascent() * em, descent = font.Descent() * em;
  if (vertical == kAlignBottom) startUp = descent;
  else if (vertical != kAlignBaseline) startUp = -ascent;
  const auto at = [&](double along, double up, double& x, double& y) {
    x = record.x + along * alongX + up * upX;
    y = record.y + along * alongY + up * upY;
  };

  double along = startAlong, up = startUp;
  for (Cell& c : cells) {
    PlacedGlyph glyph;
    glyph.glyph = c.glyph;
    glyph.text = std::move(c.text);
    at(along, up, glyph.x, glyph.y);
    placement.glyphs.push_back(std::move(glyph));
    along += c.advance;
    up += c.rise;
  }

  const auto stroke = [&](PdfFont::Stroke metrics) {
    TextStroke s;
    at(startAlong, startUp + metrics.position * em, s.x0, s.y0);
    at(startAlong + width, startUp + metrics.position * em, s.x1, s.y1);
    s.thickness = metrics.thickness * em;
    placement.strokes.push_back(s);
  };
  if (record.underline) stroke(font.Underline());
  if (record.strikeOut) stroke(font.StrikeOut());

  at(startAlong, startUp + ascent, placement.boxCorners[0][0], placement.boxCorners[0][1]);
  at(startAlong + width, startUp + ascent, placement.boxCorners[1][0], placement.boxCorners[1][1]);
  at(startAlong + width, startUp - descent, placement.boxCorners[2][0], placement.boxCorners[2][1]);
  at(startAlong, startUp - descent, placement.boxCorners[3][0], placement.boxCorners[3][1]);

  // Left-aligned text moves the current position to its end, right-aligned text to its
  // start; centred text leaves it where it was.
  placement.endX = record.x;
  placement.endY = record.y;
  if (horizontal == 0) at(width, up - startUp, placement.endX, placement.endY);
  else if (horizontal == kAlignRight) at(-width, 0, placement.endX, placement.endY);
  return placement;
}
