// The fuzz target's seeds, small metafiles of every record family and real pages, make
// PDFs that qpdf accepts, with balanced groups, fonts embedded as subsets and the text
// they were drawn with.
#include <dirent.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "emf_builder.h"
#include "font_files.h"
#include "pdf_check.h"

namespace {

std::vector<std::string> Seeds() {
  std::vector<std::string> names;
  if (DIR* folder = opendir(EMF_PDF_CORPUS)) {
    while (dirent* entry = readdir(folder))
      if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    closedir(folder);
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(EmfPdfCorpus, EverySeedMakesASoundPdf) {
  FileFontResolver fonts;
  const std::vector<std::string> seeds = Seeds();
  ASSERT_GE(seeds.size(), 10u);
  for (const std::string& name : seeds) {
    SCOPED_TRACE(name);
    std::ifstream file(std::string(EMF_PDF_CORPUS) + "/" + name, std::ios::binary);
    const std::vector<std::uint8_t> emf((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    GreyPictures pictures;
    const std::string pdf = PdfOfPage(emf, fonts, pictures, 300);
    ASSERT_FALSE(pdf.empty());
    EXPECT_TRUE(Balanced(PageContent(pdf)));
    EXPECT_EQ(QpdfCheck(pdf), 0);
  }
}

std::vector<std::uint8_t> Seed(const char* name) {
  std::ifstream file(std::string(EMF_PDF_CORPUS) + "/" + name, std::ios::binary);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The installed faces with their embedding bits set to "restricted licence".
class RestrictedFonts : public FontResolver {
 public:
  std::shared_ptr<const FontFace> Resolve(const FontRequest& request) override {
    std::shared_ptr<const FontFace> face = m_files.Resolve(request);
    return face ? std::make_shared<Restricted>(face) : nullptr;
  }

 private:
  class Restricted : public FontFace {
   public:
    explicit Restricted(std::shared_ptr<const FontFace> face) : m_face(std::move(face)) {}
    std::vector<std::uint8_t> Table(std::uint32_t tag) const override {
      std::vector<std::uint8_t> table = m_face->Table(tag);
      if (tag == 0x4F532F32 && table.size() > 9) {  // 'OS/2': fsType
        table[8] = 0;
        table[9] = 2;
      }
      return table;
    }

   private:
    std::shared_ptr<const FontFace> m_face;
  };
  FileFontResolver m_files;
};

TEST(EmfPdfCorpus, TextIsTextInAnEmbeddedSubset) {
  FileFontResolver fonts;
  const std::vector<std::uint8_t> emf = Seed("text.emf");
  GreyPictures pictures;
  const std::string pdf = PdfOfPage(emf, fonts, pictures, 300);
  const std::string path = "/tmp/emf_pdf_text_test.pdf";
  std::ofstream(path, std::ios::binary) << pdf;
  // Letters placed by the record's own advances may read with gaps between them.
  const std::string text = RunCommand("pdftotext " + path + " - | tr -d ' '");
  const std::string list = RunCommand("pdffonts " + path);
  std::remove(path.c_str());
  EXPECT_NE(text.find("Hello"), std::string::npos) << text;
  EXPECT_NE(text.find("Small"), std::string::npos) << text;
  EXPECT_NE(text.find("A\xE2\x82\xAC\xC3\xA9"), std::string::npos) << text;  // 41 80 E9 in Windows-1252
  EXPECT_NE(list.find("CID TrueType"), std::string::npos) << list;
  EXPECT_NE(list.find("+"), std::string::npos) << list;  // a subset's tagged name
  EXPECT_TRUE(pictures.calls.empty());
}

TEST(EmfPdfCorpus, FacesThatMayNotBeEmbeddedAreFilledOutlines) {
  RestrictedFonts fonts;
  GreyPictures pictures;
  const std::string pdf = PdfOfPage(Seed("text.emf"), fonts, pictures, 300);
  EXPECT_EQ(pdf.find("/FontFile2"), std::string::npos);
  EXPECT_EQ(pdf.find("/Font "), std::string::npos);
  EXPECT_EQ(QpdfCheck(pdf), 0);
  // "Hello" from (10, 20) on a device of 100 pixels drawn on 300 points: ink where it runs.
  const GreyRender render = Render(pdf);
  EXPECT_GT(render.InkIn(30, 58, 100, 86), 50);
  EXPECT_TRUE(pictures.calls.empty());
}

TEST(EmfPdfCorpus, TextStandsUprightBelowItsTopUnderEitherYDirection) {
  // "HH" at its top left corner, 10 device pixels high, in a mapping with y down and one
  // with y up (0.1 mm units, the device's pixel being a millimetre): the same ink.
  std::vector<std::uint8_t> first;
  for (const bool yUp : {false, true}) {
    SCOPED_TRACE(yUp);
    const int unit = yUp ? 10 : 1;
    EmfBuilder emf;
    std::vector<std::uint8_t> font(92 + 12 - 8, 0);
    font[0] = 1;
    const std::int32_t height = -10 * unit;
    for (int i = 0; i < 4; ++i) font[4 + i] = static_cast<std::uint8_t>(std::uint32_t(height) >> (8 * i));
    font[32] = 'A';
    if (yUp) emf.Add(kEmrSetMapMode, {2});
    emf.AddBytes(kEmrExtCreateFontIndirectW, font)
        .Add(kEmrSelectObject, {1})
        .Add(kEmrSetBkMode, {1})
        .Add(kEmrExtTextOutW, {0, 0, 99, 99, 1, 0, 0, 10 * unit, (yUp ? -20 : 20) * unit, 2, 76, 0, 0, 0, 0, 0, 0,
                               0x00480048});
    FileFontResolver fonts;
    GreyPictures pictures;
    const GreyRender render = Render(PdfOfPage(emf.Finish(), fonts, pictures));
    EXPECT_GT(render.InkIn(10, 21, 25, 30), 20);
    EXPECT_EQ(render.InkIn(0, 0, 100, 19), 0);
    EXPECT_EQ(render.InkIn(0, 31, 100, 100), 0);
    if (yUp)
      EXPECT_EQ(render.pixels, first);
    else
      first = render.pixels;
  }
}

// An ExtTextOutW of "HH" at `reference` in a font of `height` logical units (negative: the
// em) turned by `escapement` tenths of a degree, with advances `dx` when given.
EmfBuilder& HH(EmfBuilder& emf, std::int32_t height, std::int32_t escapement, std::int32_t x, std::int32_t y,
               std::vector<std::int32_t> dx = {}) {
  std::vector<std::uint8_t> font(96, 0);
  font[0] = 1;
  for (int i = 0; i < 4; ++i) {
    font[4 + i] = static_cast<std::uint8_t>(std::uint32_t(height) >> (8 * i));
    font[12 + i] = static_cast<std::uint8_t>(std::uint32_t(escapement) >> (8 * i));
  }
  font[32] = 'A';
  emf.AddBytes(kEmrExtCreateFontIndirectW, font).Add(kEmrSelectObject, {1}).Add(kEmrSetBkMode, {1});
  if (dx.empty())
    return emf.Add(kEmrExtTextOutW, {0, 0, 99, 99, 1, 0, 0, x, y, 2, 76, 0, 0, 0, 0, 0, 0, 0x00480048});
  return emf.Add(kEmrExtTextOutW, {0, 0, 99, 99, 1, 0, 0, x, y, 2, 76, 0, 0, 0, 0, 0, 80, 0x00480048, dx[0], dx[1]});
}

TEST(EmfPdfCorpus, TextInAPathJoinsItAsGlyphOutlines) {
  // Each run drawn as text, and into a path then filled, stroked or made the clip: its
  // outlines lie where the text's glyphs do, whatever the alignment, advances, escapement
  // and mapping, and no part of the page is a picture.
  constexpr std::int64_t kBlackBrush = 0x80000004, kBlackPen = 0x80000007, kNullPen = 0x80000008;
  constexpr std::int64_t kFill = 0, kStroke = 1, kClip = 2;
  struct Case {
    const char* what;
    std::int64_t mapMode, align, unit;
    std::int32_t escapement, x, y;
    std::vector<std::int32_t> dx;
    std::int64_t use;
  } cases[] = {
      {"top left, filled", 1, 0, 1, 0, 10, 20, {}, kFill},
      {"centred on the baseline, turned, by advances", 1, 6 | 24, 1, 300, 50, 60, {25, 25}, kFill},
      {"bottom, y up in 0.1 mm", 2, 8, 10, 0, 100, -600, {}, kFill},
      {"made the clip", 1, 0, 1, 0, 10, 20, {}, kClip},
      {"stroked", 1, 0, 1, 0, 10, 20, {}, kStroke},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GreyRender renders[2];
    std::string contents[2];
    for (const bool inPath : {false, true}) {
      EmfBuilder emf;
      emf.Add(kEmrSetMapMode, {c.mapMode}).Add(kEmrSetTextAlign, {c.align});
      if (inPath) emf.Add(kEmrBeginPath, {});
      HH(emf, -30 * std::int32_t(c.unit), c.escapement, c.x, c.y, c.dx);
      if (inPath) {
        emf.Add(kEmrEndPath, {}).Add(kEmrSelectObject, {kBlackBrush});
        emf.Add(kEmrSelectObject, {c.use == kStroke ? kBlackPen : kNullPen});
        if (c.use == kFill) emf.Add(kEmrFillPath, {0, 0, 99, 99});
        if (c.use == kStroke) emf.Add(kEmrStrokePath, {0, 0, 99, 99});
        if (c.use == kClip) emf.Add(kEmrSelectClipPath, {5}).Add(kEmrRectangle, {0, 0, 100, 100});
      }
      FileFontResolver fonts;
      GreyPictures pictures;
      const std::string pdf = PdfOfPage(emf.Finish(), fonts, pictures);
      EXPECT_TRUE(pictures.calls.empty());
      EXPECT_EQ(QpdfCheck(pdf), 0);
      renders[inPath] = Render(pdf, 144);
      contents[inPath] = PageContent(pdf);
    }
    EXPECT_EQ(contents[1].find("BT"), std::string::npos) << contents[1];
    const char* op = c.use == kFill ? "\nf*\n" : c.use == kStroke ? "\nS\n" : "\nW* n\n";
    EXPECT_NE(contents[1].find(op), std::string::npos) << contents[1];
    const GreyRender& text = renders[0];
    const GreyRender& path = renders[1];
    ASSERT_EQ(text.pixels.size(), path.pixels.size());
    const int ink = text.InkIn(0, 0, text.width, text.height);
    EXPECT_GT(ink, 1000);
    if (c.use == kStroke) {
      // The pen's line runs along the glyphs' edges: within two pixels of the text's ink.
      const int stroke = path.InkIn(0, 0, path.width, path.height);
      EXPECT_GT(stroke, ink / 2);
      for (int y = 0; y < path.height; ++y)
        for (int x = 0; x < path.width; ++x)
          if (path.At(x, y) < 128)
            EXPECT_GT(text.InkIn(std::max(0, x - 2), std::max(0, y - 2), std::min(text.width, x + 3),
                                 std::min(text.height, y + 3)), 0) << x << "," << y;
      continue;
    }
    // The same ink: measured 0.8 to 1.9 apart on average (edges antialiased a little
    // differently); a path off by one logical unit differs by about 9.
    EXPECT_NEAR(path.InkIn(0, 0, path.width, path.height), ink, ink / 50);
    long difference = 0;
    for (std::size_t i = 0; i < text.pixels.size(); ++i) difference += std::abs(text.pixels[i] - path.pixels[i]);
    EXPECT_LT(double(difference) / text.pixels.size(), 3.0);
  }
}

TEST(EmfPdfCorpus, StockFontsKeepTheirPixelSizeInPlayedPages) {
  // Two pages played side by side as the platform records them into a sheet: its state
  // set around each page, the page's 0.01 mm units as a world transform with y up, and
  // its label in the stock System font; then each cell's number in that font on the
  // sheet's own pixels. Every text is the same size.
  EmfBuilder emf;
  constexpr std::int64_t kSystemFont = 0x8000000D;
  for (int cell = 0; cell < 2; ++cell) {
    emf.Add(kEmrSetMapMode, {1}).Add(kEmrSetWindowOrgEx, {0, 0}).Add(kEmrSetViewportOrgEx, {0, 0})
        .Add(kEmrSetWorldTransform, {FloatBits(0.01f), 0, 0, FloatBits(-0.01f), FloatBits(50.0f * cell), 0})
        .Add(kEmrSelectObject, {kSystemFont})
        .Add(kEmrExtTextOutW, {0, 0, 99, 99, 1, 0, 0, 1000, -2000, 2, 76, 0, 0, 0, -1, -1, 0, 0x00480048})
        .Add(kEmrSelectObject, {kSystemFont})
        .Add(kEmrExtSelectClipRgn, {0, 5})
        .Add(kEmrSetWorldTransform, {FloatBits(1), 0, 0, FloatBits(1), 0, 0})
        .Add(kEmrSetMapMode, {1}).Add(kEmrSetWindowOrgEx, {0, 0}).Add(kEmrSetWindowExtEx, {1, 1})
        .Add(kEmrSetViewportOrgEx, {0, 0}).Add(kEmrSetViewportExtEx, {1, 1})
        .Add(kEmrSetBkMode, {1})
        .Add(kEmrExtTextOutW, {0, 0, 99, 99, 1, 0, 0, 10 + 50 * cell, 60, 2, 76, 0, 0, 0, 0, 0, 0, 0x00480048});
  }
  FileFontResolver fonts;
  GreyPictures pictures;
  const GreyRender render = Render(PdfOfPage(emf.Finish(), fonts, pictures));
  const int number = render.InkIn(10, 60, 40, 80);
  EXPECT_GT(number, 30);
  for (int cell = 0; cell < 2; ++cell) {
    SCOPED_TRACE(cell);
    EXPECT_NEAR(render.InkIn(10 + 50 * cell, 20, 40 + 50 * cell, 40), number, number / 10);
    EXPECT_NEAR(render.InkIn(10 + 50 * cell, 60, 40 + 50 * cell, 80), number, number / 10);
  }
}

TEST(EmfPdfCorpus, RequestsForOneFaceShareOneSubsetAndRunsAreShownWhole) {
  // Arial, Helvetica and Arial of another character set all draw with one file: one
  // subset. Each run is one text matrix and a TJ, and its word space still reads as one.
  EmfBuilder emf;
  const char16_t* const names[] = {u"Arial", u"Helvetica", u"Arial"};
  for (int i = 0; i < 3; ++i) {
    std::vector<std::uint8_t> font(96, 0);
    font[0] = static_cast<std::uint8_t>(i + 1);
    for (int k = 0; k < 4; ++k) font[4 + k] = static_cast<std::uint8_t>(std::uint32_t(-10) >> (8 * k));
    font[27] = i == 2 ? 0 : 1;
    for (int k = 0; names[i][k]; ++k) font[32 + 2 * k] = static_cast<std::uint8_t>(names[i][k]);
    emf.AddBytes(kEmrExtCreateFontIndirectW, font)
        .Add(kEmrSelectObject, {i + 1})
        .Add(kEmrExtTextOutW, {0, 0, 99, 99, 1, 0, 0, 10, 20 + 25 * i, 3, 76, 0, 0, 0, 0, 0, 0, 0x00200041, 0x42});
  }
  FileFontResolver fonts;
  GreyPictures pictures;
  const std::string pdf = PdfOfPage(emf.Finish(), fonts, pictures, 300);
  const std::string path = "/tmp/emf_pdf_one_subset_test.pdf";
  std::ofstream(path, std::ios::binary) << pdf;
  const std::string list = RunCommand("pdffonts " + path + " | grep -c 'CID TrueType'");
  const std::string text = RunCommand("pdftotext -raw " + path + " -");
  std::remove(path.c_str());
  EXPECT_EQ(list, "1\n");
  const std::string content = PageContent(pdf);
  EXPECT_EQ(text.substr(0, 12), "A B\nA B\nA B\n") << text << content;
  std::size_t matrices = 0;
  for (std::size_t at = content.find(" Tm"); at != std::string::npos; at = content.find(" Tm", at + 1)) ++matrices;
  EXPECT_EQ(matrices, 3u) << content;
  EXPECT_NE(content.find("] TJ"), std::string::npos) << content;
}

TEST(EmfPdfCorpus, AFaceNotInstalledStandsInByItsPitch) {
  // "Lucida Console" at a fixed pitch and at none: a fixed-pitch stand-in and another.
  EmfBuilder emf;
  for (int i = 0; i < 2; ++i) {
    std::vector<std::uint8_t> font(96, 0);
    font[0] = static_cast<std::uint8_t>(i + 1);
    for (int k = 0; k < 4; ++k) font[4 + k] = static_cast<std::uint8_t>(std::uint32_t(-10) >> (8 * k));
    font[31] = i == 0 ? 0x31 : 0;  // FF_MODERN | FIXED_PITCH
    const char16_t* name = u"Lucida Console";
    for (int k = 0; name[k]; ++k) font[32 + 2 * k] = static_cast<std::uint8_t>(name[k]);
    emf.AddBytes(kEmrExtCreateFontIndirectW, font)
        .Add(kEmrSelectObject, {i + 1})
        .Add(kEmrExtTextOutW, {0, 0, 99, 99, 1, 0, 0, 10, 20 + 25 * i, 2, 76, 0, 0, 0, 0, 0, 0, 0x00420041});
  }
  FileFontResolver fonts;
  GreyPictures pictures;
  const std::string pdf = PdfOfPage(emf.Finish(), fonts, pictures, 300);
  const std::string path = "/tmp/emf_pdf_pitch_test.pdf";
  std::ofstream(path, std::ios::binary) << pdf;
  const std::string list = RunCommand("pdffonts " + path + " | tail -n +3 | cut -d' ' -f1 | cut -d+ -f2 | sort");
  std::remove(path.c_str());
  EXPECT_EQ(list, "DejaVuSans\nLiberationMono\n") << list;
}

}  // namespace
