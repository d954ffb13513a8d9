// The PDF writer's TrueType fonts on the faces installed here: glyphs, advances and metrics
// against the files' known values, damaged tables, and subsets that PDF readers take back.
#include "pdf_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "byte_order.h"
#include "font_files.h"
#include "pdf_syntax.h"
#include "sfnt_bytes.h"
#include "to_unicode_cmap.h"
#include "truetype_subset.h"

namespace {

const std::string kSans = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string kJapanese = "/usr/share/fonts/truetype/fonts-japanese-gothic.ttf";
const std::string kKorean = "/usr/share/fonts/truetype/nanum/NanumGothic.ttf";

std::unique_ptr<PdfFont> LoadFile(const std::string& path) {
  auto face = FileFontFace::FromFile(path);
  return face ? PdfFont::Load(face) : nullptr;
}

// A face whose tables a test edits.
class EditedFace : public FontFace {
 public:
  explicit EditedFace(const std::string& path) {
    auto file = FileFontFace::FromFile(path);
    for (const char* tag :
         {"head", "hhea", "maxp", "hmtx", "loca", "glyf", "cmap", "OS/2", "post", "name"}) {
      const std::uint32_t value = Tag(tag);
      tables[value] = file->Table(value);
    }
  }
  static std::uint32_t Tag(const char* name) {
    return std::uint32_t(std::uint8_t(name[0])) << 24 | std::uint32_t(std::uint8_t(name[1])) << 16 |
           std::uint32_t(std::uint8_t(name[2])) << 8 | std::uint8_t(name[3]);
  }
  std::vector<std::uint8_t> Table(std::uint32_t tag) const override {
    const auto found = tables.find(tag);
    return found == tables.end() ? std::vector<std::uint8_t>() : found->second;
  }
  std::vector<std::uint8_t>& operator[](const char* tag) { return tables[Tag(tag)]; }
  std::map<std::uint32_t, std::vector<std::uint8_t>> tables;
};

std::string Output(const std::string& command) {
  std::string output;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return output;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  pclose(pipe);
  return output;
}

void Append(Bytes& out, const std::string& text) {
  out.insert(out.end(), text.begin(), text.end());
}

}  // namespace

TEST(PdfFontTest, RealFacesGiveTheirGlyphsAdvancesAndMetrics) {
  // Advances and metrics as the files hold them, in thousandths of the em.
  struct Case {
    const std::string& path;
    char32_t character, curved;  // the glyph measured, one with curves in its outline
    double advance, ascent, descent, averageWidth;
  } cases[] = {
      {kSans, U'A', U'O', 1366 * 1000.0 / 2048, 1854 * 1000.0 / 2048, 434 * 1000.0 / 2048,
       1208 * 1000.0 / 2048},
      {kDejaVu, U'A', U'O', 1401 * 1000.0 / 2048, 1901 * 1000.0 / 2048, 483 * 1000.0 / 2048,
       1038 * 1000.0 / 2048},
      {kJapanese, U'\u65E5', U'\u306E', 1000, 1802 * 1000.0 / 2048, 401 * 1000.0 / 2048, 500},
      {kKorean, U'\uD55C', U'\uD55C', 0, 920, 230, 463},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    auto font = LoadFile(c.path);
    ASSERT_NE(font, nullptr);
    const std::uint16_t glyph = font->GlyphFor(c.character);
    EXPECT_NE(glyph, 0);
    EXPECT_EQ(font->CharacterOf(glyph), c.character);
    EXPECT_TRUE(font->MayEmbed());
    if (c.advance > 0) EXPECT_NEAR(font->Advance(glyph), c.advance, 1e-9);
    EXPECT_NEAR(font->Ascent(), c.ascent, 1e-9);
    EXPECT_NEAR(font->Descent(), c.descent, 1e-9);
    EXPECT_NEAR(font->AverageWidth(), c.averageWidth, 1e-9);
    EXPECT_EQ(font->GlyphFor(U'\U000E0100'), 0);  // a variation selector no face here maps
    const std::string outline = font->Outline(font->GlyphFor(c.curved)).Operators();
    EXPECT_EQ(outline.rfind(" m\n", outline.find('\n')), outline.find('\n') - 2);
    EXPECT_NE(outline.find(" c\n"), std::string::npos);
    EXPECT_EQ(outline.substr(outline.size() - 2), "h\n");
  }
}

TEST(PdfFontTest, CollectionsGiveTheFaceAskedFor) {
  std::ifstream in(kSans, std::ios::binary);
  const std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
  // The same face as the only one of a collection: its directory behind a 16-byte header.
  Bytes collection;
  PutU32BE(collection, 0x74746366);
  PutU32BE(collection, 0x00010000);
  PutU32BE(collection, 1);
  PutU32BE(collection, 16);
  PutBytes(collection, file);
  const std::size_t tables = SfntBytes(file.data(), file.size()).U16(4);
  for (std::size_t i = 0; i < tables; ++i) {
    const std::size_t offsetAt = 16 + 12 + 16 * i + 8;
    const std::uint32_t offset = SfntBytes(collection.data(), collection.size()).U32(offsetAt);
    SetU16BE(collection, offsetAt, (offset + 16) >> 16);
    SetU16BE(collection, offsetAt + 2, (offset + 16) & 0xFFFF);
  }
  auto face = FileFontFace::FromBytes(collection, 0);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->Table(EditedFace::Tag("glyf")),
            FileFontFace::FromBytes(file)->Table(EditedFace::Tag("glyf")));
  EXPECT_NE(PdfFont::Load(face), nullptr);
  EXPECT_EQ(FileFontFace::FromBytes(collection, 1), nullptr);
  EXPECT_EQ(FileFontFace::FromBytes(file, 1), nullptr);
  // A directory that runs past the bytes is no face.
  EXPECT_EQ(FileFontFace::FromBytes(Bytes(file.begin(), file.begin() + 40)), nullptr);
}

TEST(PdfFontTest, StrokesAreCentredBelowTheTopsTheTablesGive) {
  auto font = LoadFile(kSans);
  ASSERT_NE(font, nullptr);
  // 'post': top at -67, 150 thick; 'OS/2': top at 530, 102 thick.
  EXPECT_NEAR(font->Underline().position, (-67 - 75) * 1000.0 / 2048, 1e-9);
  EXPECT_NEAR(font->Underline().thickness, 150 * 1000.0 / 2048, 1e-9);
  EXPECT_NEAR(font->StrikeOut().position, (530 - 51) * 1000.0 / 2048, 1e-9);
  EXPECT_NEAR(font->StrikeOut().thickness, 102 * 1000.0 / 2048, 1e-9);
}

TEST(PdfFontTest, ResolverGivesInstalledFacesForWindowsNames) {
  struct Case {
    std::u16string face;
    int weight;
    bool italic;
    std::uint8_t charset;
    const char* file;
  } cases[] = {
      {u"Arial", 400, false, 0, "liberation/LiberationSans-Regular.ttf"},
      {u"HELVETICA", 700, true, 0, "liberation/LiberationSans-BoldItalic.ttf"},
      {u"Times New Roman", 400, true, 0, "liberation/LiberationSerif-Italic.ttf"},
      {u"Courier New", 700, false, 0, "liberation/LiberationMono-Bold.ttf"},
      {u"MS Gothic", 400, false, 0, "fonts-japanese-gothic.ttf"},
      {u"\xFF2D\xFF33 \x660E\x671D", 400, false, 0, "fonts-japanese-gothic.ttf"},
      {u"Tahoma", 400, false, 128, "fonts-japanese-gothic.ttf"},
      {u"Gulim", 400, false, 0, "nanum/NanumGothic.ttf"},
      {u"\xB9D1\xC740 \xACE0\xB515", 400, false, 0, "nanum/NanumGothic.ttf"},
      {u"Verdana", 400, false, 129, "nanum/NanumGothic.ttf"},
      {u"Tahoma", 700, false, 0, "dejavu/DejaVuSans.ttf"},
  };
  FileFontResolver resolver;
  std::set<std::string> loaded;
  for (const Case& c : cases) {
    FontRequest request;
    request.faceName = c.face;
    request.weight = c.weight;
    request.italic = c.italic;
    request.charset = c.charset;
    SCOPED_TRACE(c.file);
    EXPECT_EQ(FileFontResolver::PathFor(request),
              "/usr/share/fonts/truetype/" + std::string(c.file));
    // Each file once: the large ones take a while to read.
    if (loaded.insert(c.file).second) EXPECT_NE(PdfFont::Load(resolver.Resolve(request)), nullptr);
  }
}

TEST(PdfFontTest, SymbolAndFullRepertoireSubtablesMapTheirCharacters) {
  // The fuzz seeds: small subsets whose character maps were written for them.
  const std::string corpus =
      std::string(__FILE__).substr(0, std::string(__FILE__).rfind('/')) + "/corpus/truetype/";
  auto symbol = LoadFile(corpus + "liberation_mono_symbol.ttf");
  auto full = LoadFile(corpus + "dejavu_sans_format12.ttf");
  ASSERT_TRUE(symbol && full);
  // A symbol subtable (3/0) at U+F030: '0' reaches it too.
  const std::uint16_t zero = symbol->GlyphFor(U'\uF030');
  EXPECT_NE(zero, 0);
  EXPECT_EQ(symbol->GlyphFor(U'0'), zero);
  EXPECT_EQ(symbol->CharacterOf(zero), U'\uF030');
  // A full repertoire subtable (3/10, format 12) beside the BMP one (3/1) wins.
  const std::uint16_t a = full->GlyphFor(U'A');
  EXPECT_NE(a, 0);
  EXPECT_EQ(full->GlyphFor(U'\U0001F600'), a);
  EXPECT_EQ(full->CharacterOf(a), U'A');
  EXPECT_EQ(full->GlyphFor(U'\U0001F601'), 0);
}

TEST(PdfFontTest, CompositeGlyphsOutlineTheirComponents) {
  auto font = LoadFile(kSans);
  ASSERT_NE(font, nullptr);
  const auto contours = [](const std::string& path) {
    std::size_t count = 0;
    for (std::size_t at = path.find("h\n"); at != std::string::npos; at = path.find("h\n", at + 1))
      ++count;
    return count;
  };
  // A with diaeresis: the two contours of A and the two dots.
  EXPECT_EQ(contours(font->Outline(font->GlyphFor(U'\u00C4')).Operators()), 4u);
  EXPECT_EQ(contours(font->Outline(font->GlyphFor(U'A')).Operators()), 2u);
  EXPECT_TRUE(font->Outline(font->GlyphFor(U' ')).Empty());
}

TEST(PdfFontTest, SubsetsKeepGlyphIdsOutlinesAndAdvances) {
  auto file = FileFontFace::FromFile(kSans);
  auto face = TrueTypeFace::Load(*file);
  auto font = PdfFont::Load(file);
  ASSERT_TRUE(face && font);
  const std::uint16_t a = font->GlyphFor(U'A'), b = font->GlyphFor(U'B'),
                      umlaut = font->GlyphFor(U'\u00C4');
  const std::set<std::uint16_t> kept = GlyphClosure(face->Glyphs(), {a, umlaut, 60000});
  // Ä brings its dots along; ids beyond the face are dropped.
  EXPECT_EQ(kept.size(), 4u);
  EXPECT_TRUE(kept.count(0) && kept.count(a) && kept.count(umlaut));
  const std::vector<std::uint8_t> bytes = TrueTypeSubset(*face, kept);
  // Every 32-bit word of a font file sums to the magic the head table's adjustment makes.
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < bytes.size(); i += 4)
    sum += SfntBytes(bytes.data(), bytes.size()).U32(i);
  EXPECT_EQ(sum, 0xB1B0AFBAu);
  auto subsetFace = FileFontFace::FromBytes(bytes);
  ASSERT_NE(subsetFace, nullptr);
  for (const char* tag : {"glyf", "loca", "head", "hhea", "hmtx", "maxp", "cvt ", "fpgm", "prep"})
    EXPECT_FALSE(subsetFace->Table(EditedFace::Tag(tag)).empty()) << tag;
  EXPECT_TRUE(subsetFace->Table(EditedFace::Tag("cmap")).empty());
  auto subset = PdfFont::Load(subsetFace);
  ASSERT_NE(subset, nullptr);
  for (std::uint16_t glyph : kept) {
    EXPECT_EQ(subset->Outline(glyph).Operators(), font->Outline(glyph).Operators()) << glyph;
    EXPECT_EQ(subset->Advance(glyph), font->Advance(glyph)) << glyph;
  }
  EXPECT_TRUE(subset->Outline(b).Empty());
  EXPECT_EQ(subset->Advance(b), font->Advance(b));
}

TEST(PdfFontTest, ToUnicodeMapsGlyphsToTheirText) {
  struct Case {
    const char* what;
    std::map<std::uint16_t, std::u32string> texts;
    std::string expected;
  } cases[] = {
      {"a run of following characters",
       {{3, U"A"}, {4, U"B"}, {5, U"C"}},
       "1 beginbfrange\n<0003> <0005> <0041>\nendbfrange\n"},
      {"no range across the first byte",
       {{0xFF, U"A"}, {0x100, U"B"}},
       "2 beginbfchar\n<00FF> <0041>\n<0100> <0042>\nendbfchar\n"},
      {"no range past the last byte of the text",
       {{3, U"\u00FE"}, {4, U"\u00FF"}, {5, U"\u0100"}},
       "1 beginbfchar\n<0005> <0100>\nendbfchar\n1 beginbfrange\n<0003> <0004> <00FE>\n"},
      {"beyond the BMP: a surrogate pair",
       {{3, U"\U0001F600"}, {4, U"\U0001F601"}},
       "2 beginbfchar\n<0003> <D83DDE00>\n<0004> <D83DDE01>\nendbfchar\n"},
      {"a cluster", {{3, U"ffi"}}, "1 beginbfchar\n<0003> <006600660069>\nendbfchar\n"},
      {"a glyph of no text is left out",
       {{3, U""}, {4, U"x"}},
       "1 beginbfchar\n<0004> <0078>\nendbfchar\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string cmap = ToUnicodeCmap(c.texts);
    EXPECT_NE(cmap.find("<0000> <FFFF>\nendcodespacerange\n" + c.expected), std::string::npos)
        << cmap;
  }
  // A section holds at most 100 entries.
  std::map<std::uint16_t, std::u32string> many;
  for (std::uint16_t g = 0; g < 150; ++g) many[2 * g] = U"a";
  const std::string cmap = ToUnicodeCmap(many);
  EXPECT_NE(cmap.find("100 beginbfchar"), std::string::npos);
  EXPECT_NE(cmap.find("50 beginbfchar"), std::string::npos);
}

TEST(PdfFontTest, EmbeddingBitsDecideWhatTheDocumentCarries) {
  const EditedFace intact(kSans);
  struct Case {
    std::uint16_t fsType;
    bool mayEmbed, wholeFace;
  } cases[] = {
      {0x0000, true, false},   // installable
      {0x0002, false, false},  // restricted
      {0x0006, true, false},   // restricted and preview-and-print: the latter holds
      {0x0008, true, false},   // editable
      {0x0204, false, false},  // bitmaps only
      {0x0104, true, true},    // no subsetting: every glyph goes in
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fsType);
    auto face = std::make_shared<EditedFace>(intact);
    SetU16BE((*face)["OS/2"], 8, c.fsType);
    auto font = PdfFont::Load(face);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->MayEmbed(), c.mayEmbed);
    font->Use(font->GlyphFor(U'A'), U"A");
    const std::vector<PdfObject> objects = font->SubsetObjects(1);
    const std::string descriptor(objects[2].body.begin(), objects[2].body.end());
    EXPECT_EQ(descriptor.find("/FontFile2 4 0 R") != std::string::npos, c.mayEmbed) << descriptor;
    // A whole face compresses to far more than one glyph does, and its name has no tag.
    EXPECT_EQ(objects[3].body.size() > 30000, c.wholeFace) << objects[3].body.size();
    EXPECT_EQ(descriptor.find("/FontName /LiberationSans ") != std::string::npos, c.wholeFace);
  }
}

TEST(PdfFontTest, DamagedTablesGiveNoFaceOrSafeAnswers) {
  EditedFace intact(kSans);
  ASSERT_NE(PdfFont::Load(std::make_shared<EditedFace>(intact)), nullptr);
  const std::uint16_t a = LoadFile(kSans)->GlyphFor(U'A');
  struct Case {
    const char* what;
    void (*edit)(EditedFace& face, std::uint16_t glyph);
    bool loads, outlined;  // whether A keeps its outline
  } cases[] = {
      {"no head", [](EditedFace& f, std::uint16_t) { f["head"].clear(); }, false, false},
      {"head cut short", [](EditedFace& f, std::uint16_t) { f["head"].resize(40); }, false, false},
      {"no units per em", [](EditedFace& f, std::uint16_t) { SetU16BE(f["head"], 18, 0); }, false,
       false},
      {"unknown loca format", [](EditedFace& f, std::uint16_t) { SetU16BE(f["head"], 50, 7); },
       false, false},
      {"loca of one entry", [](EditedFace& f, std::uint16_t) { f["loca"].resize(2); }, false,
       false},
      {"no glyf", [](EditedFace& f, std::uint16_t) { f["glyf"].clear(); }, false, false},
      {"no hmtx", [](EditedFace& f, std::uint16_t) { f["hmtx"].clear(); }, false, false},
      {"hmtx cut short", [](EditedFace& f, std::uint16_t) { f["hmtx"].resize(6); }, true, true},
      {"no cmap", [](EditedFace& f, std::uint16_t) { f["cmap"].clear(); }, true, true},
      {"cmap cut short", [](EditedFace& f, std::uint16_t) { f["cmap"].resize(30); }, true, true},
      {"glyf cut short",
       [](EditedFace& f, std::uint16_t) { f["glyf"].resize(f["glyf"].size() / 2); }, true, true},
      {"loca past glyf",
       [](EditedFace& f, std::uint16_t g) { SetU16BE(f["loca"], 2 * g + 2, 0xFFFF); }, true, false},
      {"loca backwards", [](EditedFace& f, std::uint16_t g) { SetU16BE(f["loca"], 2 * g + 2, 0); },
       true, false},
      {"composite of itself",
       [](EditedFace& f, std::uint16_t g) {
         const std::size_t at = 2u * SfntBytes(f["loca"].data(), f["loca"].size()).U16(2 * g);
         std::vector<std::uint8_t>& glyf = f["glyf"];
         SetU16BE(glyf, at, 0xFFFF);                // composite
         SetU16BE(glyf, at + 10, 0x0020 | 0x0002);  // more components, offsets
         SetU16BE(glyf, at + 12, g);                // itself
         SetU16BE(glyf, at + 16, 0x0020 | 0x0002);
         SetU16BE(glyf, at + 18, g);
       },
       true, false},
      {"contour ends descending",
       [](EditedFace& f, std::uint16_t g) {
         const std::size_t at = 2u * SfntBytes(f["loca"].data(), f["loca"].size()).U16(2 * g);
         SetU16BE(f["glyf"], at + 10, 0xFFF0);
       },
       true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto face = std::make_shared<EditedFace>(intact);
    // The file's short loca: offsets are halved.
    ASSERT_EQ(SfntBytes(face->tables[EditedFace::Tag("head")].data(), 54).S16(50), 0);
    c.edit(*face, a);
    auto font = PdfFont::Load(face);
    ASSERT_EQ(font != nullptr, c.loads);
    if (!font) continue;
    const std::uint16_t glyph = font->GlyphFor(U'A');
    font->Outline(glyph);
    EXPECT_EQ(!font->Outline(a).Empty(), c.outlined);
    font->Use(glyph, U"A");
    font->Use(a, U"A");
    EXPECT_EQ(font->SubsetObjects(1).size(), PdfFont::kObjectCount);
    EXPECT_GE(font->Advance(glyph), 0);
  }
}

TEST(PdfFontTest, SubsetsReadBackAsEmbeddedTextInPdfReaders) {
  struct Line {
    std::string path;
    std::u32string text;
  } lines[] = {
      {kSans, U"Plain ASCII text"},
      {kSans, U"Gr\u00F6\u00DFe D\u00E9j\u00E0"},
      {kJapanese, U"\u65E5\u672C\u8A9E\u306E\u30C6\u30AD\u30B9\u30C8"},
      {kKorean, U"\uD55C\uAD6D\uC5B4"},
  };
  std::map<std::string, std::unique_ptr<PdfFont>> fonts;
  std::map<std::string, int> names;
  std::string content;
  double y = 760;
  for (const Line& line : lines) {
    auto& font = fonts[line.path];
    if (!font) {
      font = LoadFile(line.path);
      ASSERT_NE(font, nullptr);
      names[line.path] = static_cast<int>(names.size()) + 1;
    }
    std::vector<std::uint8_t> codes;
    for (char32_t c : line.text) {
      const std::uint16_t glyph = font->GlyphFor(c);
      ASSERT_NE(glyph, 0);
      font->Use(glyph, std::u32string(1, c));
      codes.push_back(static_cast<std::uint8_t>(glyph >> 8));
      codes.push_back(static_cast<std::uint8_t>(glyph));
    }
    content += "BT /F" + std::to_string(names[line.path]) + " 20 Tf 72 " + PdfNumber(y) + " Td " +
               PdfHexString(codes.data(), codes.size()) + " Tj ET\n";
    y -= 40;
  }

  std::vector<PdfObject> objects;
  std::string fontEntries;
  const std::uint32_t firstFont = 5;
  for (const auto& [path, number] : names) {
    const std::uint32_t first = firstFont + (number - 1) * PdfFont::kObjectCount;
    fontEntries += "/F" + std::to_string(number) + " " + std::to_string(first) + " 0 R ";
    for (PdfObject& object : fonts[path]->SubsetObjects(first))
      objects.push_back(std::move(object));
    const std::vector<std::uint8_t>& program = objects[objects.size() - 2].body;
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    // The subset (compressed) is a small part of the face.
    EXPECT_LT(program.size() * 10, static_cast<std::size_t>(file.tellg()))
        << path << " " << program.size();
  }
  const auto text = [](const std::string& s) {
    return std::vector<std::uint8_t>(s.begin(), s.end());
  };
  objects.push_back({1, text("<< /Type /Catalog /Pages 2 0 R >>")});
  objects.push_back({2, text("<< /Type /Pages /Kids [3 0 R] /Count 1 >>")});
  objects.push_back(
      {3, text("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << " +
               fontEntries + ">> >> /Contents 4 0 R >>")});
  objects.push_back({4, PdfStreamBody("", text(content))});
  std::sort(objects.begin(), objects.end(),
            [](const PdfObject& l, const PdfObject& r) { return l.number < r.number; });

  Bytes pdf;
  Append(pdf, "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n");
  std::vector<std::size_t> offsets;
  for (const PdfObject& object : objects) {
    offsets.push_back(pdf.size());
    Append(pdf, std::to_string(object.number) + " 0 obj\n");
    PutBytes(pdf, object.body);
    Append(pdf, "\nendobj\n");
  }
  const std::size_t xref = pdf.size();
  Append(pdf, "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n");
  for (std::size_t offset : offsets) {
    char entry[32];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    Append(pdf, entry);
  }
  Append(pdf, "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
                  " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n");
  const std::string path = testing::TempDir() + "pdf_font_test.pdf";
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(pdf.data()), pdf.size());

  const std::string words = Output("pdftotext -enc UTF-8 " + path + " -");
  for (const char* expected : {"Plain ASCII text",
                               "Gr\xC3\xB6\xC3\x9F"
                               "e D\xC3\xA9j\xC3\xA0",
                               "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE3\x83\x86\xE3"
                               "\x82\xAD\xE3\x82\xB9\xE3\x83\x88",
                               "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4"})
    EXPECT_NE(words.find(expected), std::string::npos) << expected << "\n" << words;
  const std::string listing = Output("pdffonts " + path);
  std::size_t embedded = 0;
  for (std::size_t at = listing.find("CID TrueType"); at != std::string::npos;
       at = listing.find("CID TrueType", at + 1)) {
    EXPECT_NE(listing.find("Identity-H       yes yes yes", at), std::string::npos) << listing;
    ++embedded;
  }
  EXPECT_EQ(embedded, names.size()) << listing;
  const std::string check = Output("qpdf --check " + path);
  EXPECT_NE(check.find("No syntax or stream encoding errors found"), std::string::npos) << check;
  EXPECT_EQ(check.find("WARNING"), std::string::npos) << check;
}
