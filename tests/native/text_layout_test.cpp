// Where a text record's glyphs, strokes and cell go, on a font of round metrics.
#include "text_layout.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr std::uint16_t kEmojiGlyph = 7;

// Cells 800 up and 200 down, every advance 600, the average width 500 (thousandths).
class RoundFont : public PdfFont {
 public:
  std::uint16_t GlyphFor(char32_t c) const override {
    return c == U'\U0001F600' ? kEmojiGlyph : c & 0xFF;
  }
  char32_t CharacterOf(std::uint16_t glyph) const override {
    return glyph == kEmojiGlyph ? U'\U0001F600' : glyph;
  }
  double Advance(std::uint16_t) const override { return 600; }
  double Ascent() const override { return 800; }
  double Descent() const override { return 200; }
  double AverageWidth() const override { return 500; }
  bool MayEmbed() const override { return true; }
  PathShape Outline(std::uint16_t) const override { return PathShape(); }
  void Use(std::uint16_t, const std::u32string&) override {}
  bool Used() const override { return false; }
  std::vector<PdfObject> SubsetObjects(std::uint32_t) const override { return {}; }
};

constexpr std::uint32_t kRight = 2, kCenter = 6, kBottom = 8, kBaseline = 24;

}  // namespace

TEST(TextLayoutTest, PlacesGlyphsStrokesAndCells) {
  struct Case {
    const char* what;
    std::function<void(TextRecord&)> edit;
    std::vector<std::pair<double, double>> origins;
    double endX, endY, emSize;
  } cases[] = {
      {"left, baseline", [](TextRecord&) {}, {{100, 200}, {106, 200}}, 112, 200, 10},
      {"right: the run ends at the point, which moves to its start",
       [](TextRecord& r) { r.align = kRight | kBaseline; }, {{88, 200}, {94, 200}}, 88, 200, 10},
      {"centre, top: the baseline an ascent below", [](TextRecord& r) { r.align = kCenter; },
       {{94, 208}, {100, 208}}, 100, 200, 10},
      {"bottom: the baseline a descent above", [](TextRecord& r) { r.align = kBottom; },
       {{100, 198}, {106, 198}}, 112, 200, 10},
      {"a positive height is the cell's", [](TextRecord& r) { r.height = 20; },
       {{100, 200}, {112, 200}}, 124, 200, 20},
      {"a zero height takes the default cell", [](TextRecord& r) { r.height = 0; },
       {{100, 200}, {109.6, 200}}, 119.2, 200, 16},
      {"a width stretches against the average", [](TextRecord& r) { r.width = 10; },
       {{100, 200}, {112, 200}}, 124, 200, 10},
      {"character extra without advances", [](TextRecord& r) { r.extraSpace = 1; },
       {{100, 200}, {107, 200}}, 114, 200, 10},
      {"advances already hold the extra",
       [](TextRecord& r) { r.dx = {7, 9}; r.extraSpace = 1; r.align = kRight | kBaseline; },
       {{84, 200}, {91, 200}}, 84, 200, 10},
      {"advances shorter than the text: the font's after them", [](TextRecord& r) { r.dx = {3}; },
       {{100, 200}, {103, 200}}, 109, 200, 10},
      {"vertical advances rise", [](TextRecord& r) { r.dx = {5, 5}; r.dy = {1, 2}; },
       {{100, 200}, {105, 199}}, 110, 197, 10},
      {"escapement of 90 degrees: up the page", [](TextRecord& r) { r.escapement = 900; },
       {{100, 200}, {100, 194}}, 100, 188, 10},
      {"escapement of 90 degrees, top: the baseline right of the point",
       [](TextRecord& r) { r.escapement = 900; r.align = 0; }, {{108, 200}, {108, 194}}, 100, 188,
       10},
      {"surrogate pair: one cell of two advances",
       [](TextRecord& r) { r.characters = u"a\xD83D\xDE00" u"b"; r.dx = {4, 6, 0, 8}; },
       {{100, 200}, {104, 200}, {110, 200}}, 118, 200, 10},
  };
  const RoundFont font;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TextRecord record;
    record.x = 100;
    record.y = 200;
    record.characters = u"ab";
    record.height = -10;
    record.align = kBaseline;
    c.edit(record);
    const TextPlacement placement = LayOutText(record, font);
    EXPECT_NEAR(placement.emSize, c.emSize, 1e-9);
    ASSERT_EQ(placement.glyphs.size(), c.origins.size());
    for (std::size_t i = 0; i < c.origins.size(); ++i) {
      EXPECT_NEAR(placement.glyphs[i].x, c.origins[i].first, 1e-9) << i;
      EXPECT_NEAR(placement.glyphs[i].y, c.origins[i].second, 1e-9) << i;
    }
    EXPECT_NEAR(placement.endX, c.endX, 1e-9);
    EXPECT_NEAR(placement.endY, c.endY, 1e-9);
  }
}

TEST(TextLayoutTest, KeepsTheTextOfEachGlyph) {
  const RoundFont font;
  TextRecord record;
  record.characters = u"a\xD83D\xDE00";
  record.height = -10;
  TextPlacement placement = LayOutText(record, font);
  ASSERT_EQ(placement.glyphs.size(), 2u);
  EXPECT_EQ(placement.glyphs[1].glyph, kEmojiGlyph);
  EXPECT_EQ(placement.glyphs[1].text, U"\U0001F600");
  // A lone surrogate stays one cell of its own.
  record.characters =
      u"\xD83D"
      u"a";
  EXPECT_EQ(LayOutText(record, font).glyphs.size(), 2u);
  // Glyph indices are drawn as they are; their text is what the character map gives.
  record.glyphIndices = true;
  record.characters = {5, kEmojiGlyph, 0};
  placement = LayOutText(record, font);
  ASSERT_EQ(placement.glyphs.size(), 3u);
  EXPECT_EQ(placement.glyphs[0].glyph, 5);
  EXPECT_EQ(placement.glyphs[0].text, std::u32string(1, 5));
  EXPECT_EQ(placement.glyphs[1].text, U"\U0001F600");
  EXPECT_EQ(placement.glyphs[2].text, U"");
}

TEST(TextLayoutTest, StrokesAndCellFollowTheBaseline) {
  const RoundFont font;
  TextRecord record;
  record.x = 100;
  record.y = 200;
  record.characters = u"ab";
  record.height = -10;
  record.align = kBaseline;
  record.underline = record.strikeOut = true;
  TextPlacement placement = LayOutText(record, font);
  ASSERT_EQ(placement.strokes.size(), 2u);
  // Underline 0.1 em below the baseline, strike-out 0.3 of the ascent above, 0.05 em thick.
  const TextStroke& under = placement.strokes[0];
  EXPECT_NEAR(under.x0, 100, 1e-9);
  EXPECT_NEAR(under.x1, 112, 1e-9);
  EXPECT_NEAR(under.y0, 201, 1e-9);
  EXPECT_NEAR(under.y1, 201, 1e-9);
  EXPECT_NEAR(under.thickness, 0.5, 1e-9);
  EXPECT_NEAR(placement.strokes[1].y0, 197.6, 1e-9);
  const double box[4][2] = {{100, 192}, {112, 192}, {112, 202}, {100, 202}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(placement.boxCorners[i][0], box[i][0], 1e-9) << i;
    EXPECT_NEAR(placement.boxCorners[i][1], box[i][1], 1e-9) << i;
  }
  // Turned a quarter: the underline runs up the page, right of the baseline.
  record.escapement = 900;
  placement = LayOutText(record, font);
  EXPECT_NEAR(placement.angleDegrees, 90, 1e-9);
  EXPECT_NEAR(placement.strokes[0].x0, 101, 1e-9);
  EXPECT_NEAR(placement.strokes[0].y0, 200, 1e-9);
  EXPECT_NEAR(placement.strokes[0].x1, 101, 1e-9);
  EXPECT_NEAR(placement.strokes[0].y1, 188, 1e-9);
}
