// The metafile translator end to end: metafiles built here, PDFs checked by qpdf and drawn
// by poppler. The test device is 100 pixels on 100 mm onto a page of 100 points, so a
// device pixel is a point and, at 72 dpi, a pixel of the render.
#include <gtest/gtest.h>

#include "emf_builder.h"
#include "pdf_check.h"
#include "pdf_syntax.h"

namespace {

constexpr std::int64_t kBlackBrush = 0x80000004, kNullBrush = 0x80000005, kNullPen = 0x80000008;

std::string Pdf(const EmfBuilder& emf) {
  NoFonts fonts;
  GreyPictures pictures;
  return PdfOfPage(emf.Finish(), fonts, pictures);
}

EmfBuilder& BlackFill(EmfBuilder& emf) {
  return emf.Add(kEmrSelectObject, {kBlackBrush}).Add(kEmrSelectObject, {kNullPen});
}

std::vector<std::uint8_t> Rects(std::initializer_list<std::array<std::int32_t, 4>> rects) {
  std::vector<std::uint8_t> data;
  auto put = [&data](std::int64_t v) {
    for (int i = 0; i < 4; ++i) data.push_back(static_cast<std::uint8_t>(std::uint64_t(v) >> (8 * i)));
  };
  for (std::int64_t v : {32, 1, static_cast<int>(rects.size()), static_cast<int>(rects.size() * 16), 0, 0, 0, 0}) put(v);
  for (const auto& rect : rects)
    for (std::int32_t v : rect) put(v);
  return data;
}

std::vector<std::uint8_t> ClipRegion(std::uint32_t mode, std::initializer_list<std::array<std::int32_t, 4>> rects) {
  const std::vector<std::uint8_t> region = Rects(rects);
  std::vector<std::uint8_t> data;
  for (std::uint32_t v : {static_cast<std::uint32_t>(region.size()), mode})
    for (int i = 0; i < 4; ++i) data.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  data.insert(data.end(), region.begin(), region.end());
  return data;
}

// 32-bit fields as a record's bytes.
std::vector<std::uint8_t> Fields(const std::vector<std::int64_t>& fields) {
  std::vector<std::uint8_t> data;
  for (std::int64_t f : fields)
    for (int i = 0; i < 4; ++i) data.push_back(static_cast<std::uint8_t>(std::uint64_t(f) >> (8 * i)));
  return data;
}

// A 2 x 2 bitmap of 24-bit pixels as a BITMAPINFOHEADER and its bits, black at the top
// left and the bottom right.
std::vector<std::int64_t> Checker() {
  return {40, 2, 2, 1 | (24 << 16), 0, 16, 0, 0, 0, 0,  // the header
          0xFFFFFF, 0x0000, 0xFFFF0000, 0xFFFF};          // rows bottom up, padded to four bytes
}

TEST(EmfPdfDocument, PagesMakeADocumentThatQpdfAccepts) {
  NoFonts fonts;
  GreyPictures pictures;
  PdfSheetsWriter writer(fonts, PdfPictureChoices());
  Bytes pdf = writer.Header();
  EmfBuilder emf;
  // A bitmap on every page, twice on each: the document holds its image once.
  std::vector<std::int64_t> stretch = {0, 0, 99, 99, 50, 10, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 40, 40};
  for (std::int64_t field : Checker()) stretch.push_back(field);
  BlackFill(emf).Add(kEmrRectangle, {10, 10, 30, 30}).AddBytes(kEmrStretchDiBits, Fields(stretch));
  stretch[4] = 10;
  stretch[5] = 50;
  emf.AddBytes(kEmrStretchDiBits, Fields(stretch));
  const std::vector<std::uint8_t> bytes = emf.Finish();
  for (double width : {100.0, 200.0}) {
    Bytes page;
    ASSERT_TRUE(writer.Page(bytes.data(), bytes.size(), width, 100, pictures, page));
    pdf.insert(pdf.end(), page.begin(), page.end());
  }
  // A page that is one picture: the sheet as pixels.
  DecodedDib picture;
  picture.image.width = 4;
  picture.image.height = 2;
  picture.image.rgb.assign(4 * 2 * 3, 200);
  picture.image.rgb[0] = 0;
  const Bytes pictured = writer.PicturePage(picture, 50, 25);
  pdf.insert(pdf.end(), pictured.begin(), pictured.end());
  const std::vector<std::uint8_t> junk(200, 7);
  Bytes none;
  EXPECT_FALSE(writer.Page(junk.data(), junk.size(), 100, 100, pictures, none));
  const Bytes tail = writer.Finish(u"Blätter", PdfDate(2026, 1, 2, 3, 4, 5));
  pdf.insert(pdf.end(), tail.begin(), tail.end());
  const std::string text(pdf.begin(), pdf.end());
  EXPECT_EQ(QpdfCheck(text), 0);
  std::size_t images = 0;
  for (std::size_t at = text.find("/Subtype /Image"); at != std::string::npos; at = text.find("/Subtype /Image", at + 1))
    ++images;
  EXPECT_EQ(images, 2u);  // the bitmap once, and the picture page's
  EXPECT_EQ(Render(text).InkIn(11, 51, 29, 69), 18 * 18);
  const std::string path = "/tmp/emf_pdf_document_test.pdf";
  FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);
  const std::string info = RunCommand("pdfinfo -isodates -f 1 -l 3 " + path + " | tr -s ' '");
  const std::string listed = RunCommand("pdfimages -list -f 3 -l 3 " + path + " | tail -n +3 | tr -s ' '");
  std::remove(path.c_str());
  EXPECT_NE(info.find("Pages: 3\n"), std::string::npos) << info;
  EXPECT_NE(info.find("CreationDate: 2026-01-02T03:04:05"), std::string::npos) << info;
  EXPECT_NE(info.find("Page 3 size: 50 x 25 pts"), std::string::npos) << info;
  EXPECT_EQ(listed.substr(0, 30), " 3 0 image 4 2 rgb 3 8 image n") << listed;
  EXPECT_NE(info.find("Title: Blätter\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Page 2 size: 200 x 100 pts"), std::string::npos) << info;
}

TEST(EmfPdfGeometry, ShapesFallWhereTheyAreDrawn) {
  EmfBuilder emf;
  BlackFill(emf)
      .Add(kEmrRectangle, {10, 10, 30, 30})
      .Add(kEmrEllipse, {60, 10, 90, 40})
      // Two nested squares: alternate filling leaves the inner one empty.
      .Add(kEmrPolyPolygon16, {0, 0, 0, 0, 2, 8, 4, 4, Pack16(10, 60), Pack16(40, 60), Pack16(40, 90),
                               Pack16(10, 90), Pack16(20, 70), Pack16(30, 70), Pack16(30, 80), Pack16(20, 80)})
      .Add(kEmrSetPolyFillMode, {2})
      .Add(kEmrPolyPolygon16, {0, 0, 0, 0, 2, 8, 4, 4, Pack16(60, 60), Pack16(90, 60), Pack16(90, 90),
                               Pack16(60, 90), Pack16(70, 70), Pack16(80, 70), Pack16(80, 80), Pack16(70, 80)})
      // Winding again, the inner square the other way round: a hole, whichever way a
      // rectangle is written.
      .Add(kEmrPolyPolygon16, {0, 0, 0, 0, 2, 8, 4, 4, Pack16(42, 62), Pack16(58, 62), Pack16(58, 78),
                               Pack16(42, 78), Pack16(46, 66), Pack16(46, 74), Pack16(54, 74), Pack16(54, 66)});
  const GreyRender render = Render(Pdf(emf));
  ASSERT_EQ(render.width, 100);
  EXPECT_EQ(render.InkIn(12, 12, 28, 28), 16 * 16);
  EXPECT_EQ(render.InkIn(32, 0, 58, 50), 0);
  EXPECT_EQ(render.InkIn(72, 22, 78, 28), 36);  // the ellipse's middle
  EXPECT_EQ(render.InkIn(61, 11, 64, 14), 0);   // outside it, in its box's corner
  EXPECT_EQ(render.InkIn(12, 62, 18, 68), 36);
  EXPECT_EQ(render.InkIn(22, 72, 28, 78), 0);
  EXPECT_EQ(render.InkIn(72, 72, 78, 78), 36);
  EXPECT_EQ(render.InkIn(43, 63, 45, 65), 4);
  EXPECT_EQ(render.InkIn(47, 67, 53, 73), 0);
}

TEST(EmfPdfGeometry, LinesArcsAndPathsUseThePen) {
  EmfBuilder emf;
  emf.Add(kEmrCreatePen, {1, 0, 3, 0, 0})
      .Add(kEmrSelectObject, {1})
      .Add(kEmrMoveToEx, {5, 50})
      .Add(kEmrLineTo, {95, 50})
      .Add(kEmrSelectObject, {kNullBrush})
      .Add(kEmrArc, {10, 10, 40, 40, 40, 25, 10, 25})  // the upper half, anticlockwise
      .Add(kEmrBeginPath, {})
      .Add(kEmrMoveToEx, {60, 60})
      .Add(kEmrLineTo, {90, 60})
      .Add(kEmrLineTo, {90, 90})
      .Add(kEmrCloseFigure, {})
      .Add(kEmrEndPath, {})
      .Add(kEmrSelectObject, {kBlackBrush})
      .Add(kEmrFillPath, {0, 0, 99, 99});
  const std::string pdf = Pdf(emf);
  const GreyRender render = Render(pdf);
  EXPECT_GT(render.InkIn(5, 48, 95, 52), 80);
  EXPECT_GT(render.InkIn(10, 8, 40, 14), 10);   // the arc's top
  EXPECT_EQ(render.InkIn(12, 30, 38, 45), 0);   // nothing of the lower half
  EXPECT_GT(render.InkIn(84, 64, 89, 69), 20);  // inside the triangle
  EXPECT_EQ(render.InkIn(61, 80, 66, 88), 0);   // beside it
  EXPECT_NE(PageContent(pdf).find("3 w"), std::string::npos);
}

TEST(EmfPdfMapping, MapModesWindowsViewportsAndWorldTransforms) {
  struct Case {
    const char* name;
    EmfBuilder emf;
  };
  std::vector<Case> cases(5);
  cases[0] = {"anisotropic", EmfBuilder()};
  cases[0].emf.Add(kEmrSetMapMode, {8}).Add(kEmrSetWindowExtEx, {1000, 1000}).Add(kEmrSetViewportExtEx, {100, 100})
      .Add(kEmrSetWindowOrgEx, {-100, 0}).Add(kEmrSetViewportOrgEx, {0, 10});
  cases[1] = {"lometric", EmfBuilder()};
  // A device millimetre is a pixel: ten units of 0.1 mm, y up.
  cases[1].emf.Add(kEmrSetMapMode, {2});
  cases[2] = {"isotropic", EmfBuilder()};
  cases[2].emf.Add(kEmrSetMapMode, {7}).Add(kEmrSetWindowExtEx, {1000, 100}).Add(kEmrSetViewportExtEx, {100, 100});
  cases[3] = {"world", EmfBuilder()};
  cases[3].emf.Add(kEmrSetWorldTransform, {FloatBits(0.1f), 0, 0, FloatBits(0.1f), FloatBits(10), FloatBits(0)})
      .Add(kEmrModifyWorldTransform, {FloatBits(1), 0, 0, FloatBits(1), FloatBits(0), FloatBits(100), 2});
  cases[4] = {"restored", EmfBuilder()};
  cases[4].emf.Add(kEmrSaveDc, {}).Add(kEmrSetWindowOrgEx, {50, 50}).Add(kEmrSaveDc, {})
      .Add(kEmrSetMapMode, {3}).Add(kEmrRestoreDc, {1}).Add(kEmrSetMapMode, {8})
      .Add(kEmrSetWindowExtEx, {10, 10}).Add(kEmrSetViewportExtEx, {1, 1});
  for (Case& c : cases) {
    // Logical (100, 100)-(300, 300) in each mapping is device (10, 20)-(30, 40).
    BlackFill(c.emf);
    if (std::string(c.name) == "lometric")
      c.emf.Add(kEmrRectangle, {100, -200, 300, -400});
    else if (std::string(c.name) == "world")
      c.emf.Add(kEmrRectangle, {100 - 100, 100, 300 - 100, 300});
    else if (std::string(c.name) == "anisotropic")
      c.emf.Add(kEmrRectangle, {0, 100, 200, 300});
    else
      c.emf.Add(kEmrRectangle, {100, 200, 300, 400});
    const GreyRender render = Render(Pdf(c.emf));
    SCOPED_TRACE(c.name);
    EXPECT_EQ(render.InkIn(11, 21, 29, 39), 18 * 18);
    EXPECT_EQ(render.InkIn(0, 0, 100, 100), 20 * 20);
  }
}

TEST(EmfPdfClip, ClipsNarrowWidenAndComeBack) {
  EmfBuilder emf;
  BlackFill(emf)
      .Add(kEmrSaveDc, {})
      .Add(kEmrIntersectClipRect, {0, 0, 50, 50})
      .Add(kEmrExcludeClipRect, {10, 10, 20, 20})
      .Add(kEmrRectangle, {0, 0, 100, 100})
      .Add(kEmrRestoreDc, {-1})
      .AddBytes(kEmrExtSelectClipRgn, ClipRegion(5, {{{60, 60, 70, 70}}, {{80, 80, 90, 90}}}))
      .Add(kEmrRectangle, {0, 0, 100, 100})
      .AddBytes(kEmrExtSelectClipRgn, ClipRegion(5, {}))
      .Add(kEmrExtSelectClipRgn, {0, 5})
      .Add(kEmrBeginPath, {})
      .Add(kEmrEllipse, {60, 0, 100, 40})
      .Add(kEmrEndPath, {})
      .Add(kEmrSelectClipPath, {5})
      .Add(kEmrRectangle, {50, 0, 100, 50});
  const std::string pdf = Pdf(emf);
  EXPECT_TRUE(Balanced(PageContent(pdf)));
  const GreyRender render = Render(pdf);
  EXPECT_EQ(render.InkIn(0, 0, 10, 50), 500);
  EXPECT_EQ(render.InkIn(11, 11, 19, 19), 0);
  EXPECT_EQ(render.InkIn(0, 52, 58, 100), 0);
  EXPECT_EQ(render.InkIn(61, 61, 69, 69), 64);
  EXPECT_EQ(render.InkIn(71, 71, 79, 79), 0);
  EXPECT_EQ(render.InkIn(81, 81, 89, 89), 64);
  EXPECT_EQ(render.InkIn(75, 15, 85, 25), 100);  // inside the ellipse
  EXPECT_EQ(render.InkIn(51, 42, 60, 50), 0);    // outside it
}

TEST(EmfPdfStyles, PensAndBrushesBecomeLineStylesAndPatterns) {
  EmfBuilder emf;
  emf.Add(kEmrCreatePen, {1, 1, 0, 0, 0})                         // cosmetic dashes
      .Add(kEmrExtCreatePen, {2, 0, 0, 0, 0, 0x12200, 10, 0, 0, 0, 0})  // geometric, flat, miter
      .Add(kEmrExtCreatePen, {3, 0, 0, 0, 0, 0x10007, 4, 0, 0, 0, 2, 3, 1})  // user style
      .Add(kEmrCreateBrushIndirect, {4, 2, Colour(255, 0, 0), 4})        // red cross hatch
      .Add(kEmrSelectObject, {1}).Add(kEmrMoveToEx, {0, 10}).Add(kEmrLineTo, {100, 10})
      .Add(kEmrSelectObject, {2}).Add(kEmrMoveToEx, {0, 30}).Add(kEmrLineTo, {100, 30})
      .Add(kEmrSelectObject, {3}).Add(kEmrMoveToEx, {0, 50}).Add(kEmrLineTo, {100, 50})
      .Add(kEmrSelectObject, {4}).Add(kEmrSelectObject, {kNullPen}).Add(kEmrSetBkMode, {1})
      .Add(kEmrRectangle, {0, 60, 100, 100});
  const std::string pdf = Pdf(emf);
  const std::string content = PageContent(pdf);
  EXPECT_NE(content.find("[18 6 ] 0 d"), std::string::npos) << content;
  EXPECT_NE(content.find("10 w 0 J 0 j"), std::string::npos) << content;
  EXPECT_NE(content.find("[3 1 ] 0 d"), std::string::npos) << content;
  EXPECT_NE(content.find("1 0 0 /P1 scn"), std::string::npos) << content;
  EXPECT_NE(pdf.find("/PatternType 1 /PaintType 2"), std::string::npos);
  EXPECT_EQ(QpdfCheck(pdf), 0);
  const GreyRender render = Render(pdf);
  EXPECT_EQ(render.InkIn(0, 26, 100, 35), 900);  // the 10-point line, its flat ends at the page's
  const int hatched = render.InkIn(0, 62, 100, 100);
  EXPECT_GT(hatched, 200);
  EXPECT_LT(hatched, 2000);
}

TEST(EmfPdfBitmaps, BitmapsBrushPatternsRasterFillsAndGradients) {
  EmfBuilder emf;
  std::vector<std::int64_t> stretch = {0, 0, 99, 99, 10, 10, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 40, 40};
  std::vector<std::int64_t> brush = {1, 0, 32, 40, 72, 16};
  for (std::int64_t field : Checker()) {
    stretch.push_back(field);
    brush.push_back(field);
  }
  emf.AddBytes(kEmrStretchDiBits, Fields(stretch))
      .AddBytes(kEmrCreateDibPatternBrushPt, Fields(brush))
      .Add(kEmrSelectObject, {1})
      .Add(kEmrSelectObject, {kNullPen})
      .Add(kEmrRectangle, {60, 10, 92, 42})
      .Add(kEmrSelectObject, {kBlackBrush})
      .Add(kEmrBitBlt, {0, 0, 99, 99, 10, 60, 20, 20, 0x00F00021, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
      .Add(kEmrBitBlt, {0, 0, 99, 99, 40, 60, 20, 20, 0x00FF0062, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
      // A blend of a bitmap with alpha: its top row opaque black, its bottom row transparent.
      .Add(kEmrAlphaBlend, {0, 0, 99, 99, 70, 70, 20, 20, 0x01FF0000, 0, 0, FloatBits(1), 0, 0, FloatBits(1), 0, 0, 0,
                            0, 108, 40, 148, 16, 2, 2, 40, 2, 2, 1 | (32 << 16), 0, 16, 0, 0, 0, 0, 0, 0,
                            0xFF000000, 0xFF000000})
      // A gradient from black at the left to white at the right.
      .Add(kEmrGradientFill, {0, 0, 99, 99, 2, 1, 0, 0, 92, 0, 0, 100, 99, 0xFFFFFFFF, 0xFFFF, 0, 1});
  NoFonts fonts;
  GreyPictures pictures;
  const std::string pdf = PdfOfPage(emf.Finish(), fonts, pictures);
  EXPECT_TRUE(pictures.calls.empty());
  EXPECT_EQ(QpdfCheck(pdf), 0);
  EXPECT_NE(pdf.find("/PaintType 1"), std::string::npos);
  const GreyRender render = Render(pdf);
  EXPECT_EQ(render.InkIn(11, 11, 29, 29), 18 * 18);  // the bitmap's black top left
  EXPECT_EQ(render.InkIn(31, 11, 49, 29), 0);
  EXPECT_EQ(render.InkIn(31, 31, 49, 49), 18 * 18);
  EXPECT_EQ(render.InkIn(60, 10, 92, 42), 32 * 16);  // a checkered tile of device pixels
  EXPECT_EQ(render.InkIn(10, 60, 30, 80), 400);
  EXPECT_EQ(render.InkIn(40, 60, 60, 80), 0);
  EXPECT_NE(pdf.find("/SMask"), std::string::npos);
  EXPECT_EQ(render.InkIn(71, 71, 89, 79), 18 * 8);
  EXPECT_EQ(render.InkIn(70, 81, 90, 90), 0);
  EXPECT_LT(render.At(2, 95), 20);
  EXPECT_NEAR(render.At(50, 95), 128, 10);
  EXPECT_GT(render.At(97, 95), 235);
}

TEST(EmfPdfPictures, WhatPdfCannotSayIsAPictureOfItsPart) {
  EmfBuilder emf;
  emf.Add(kEmrSetTextAlign, {0})
      // Inverting a region: the platform draws it, over the record's bounds.
      .AddBytes(kEmrInvertRgn, [] {
        std::vector<std::uint8_t> data;
        for (std::int32_t v : {20, 30, 39, 59, 48})
          for (int i = 0; i < 4; ++i) data.push_back(static_cast<std::uint8_t>(std::uint32_t(v) >> (8 * i)));
        const std::vector<std::uint8_t> region = Rects({{{20, 30, 40, 60}}});
        data.insert(data.end(), region.begin(), region.end());
        return data;
      }())
      // Text without a TrueType face: a picture as well.
      .Add(kEmrExtTextOutW, {60, 60, 79, 69, 1, 0, 0, 60, 60, 2, 76, 0, 0, 0, 0, 0, 0, 0x00420041})
      // Text without a face inside a path: the path's fill is a picture.
      .Add(kEmrBeginPath, {})
      .Add(kEmrExtTextOutW, {5, 5, 15, 15, 1, 0, 0, 5, 5, 2, 76, 0, 0, 0, 0, 0, 0, 0x00420041})
      .Add(kEmrEndPath, {})
      .Add(kEmrFillPath, {5, 5, 15, 15});
  NoFonts fonts;
  GreyPictures pictures;
  const std::string pdf = PdfOfPage(emf.Finish(), fonts, pictures);
  ASSERT_EQ(pictures.calls.size(), 3u);
  EXPECT_EQ(pictures.calls[0].lastRecord, 2u);
  EXPECT_NEAR(pictures.calls[0].area.left, 2000, 1);
  EXPECT_NEAR(pictures.calls[0].area.top, 3000, 1);
  EXPECT_NEAR(pictures.calls[0].area.right, 4000, 1);
  EXPECT_NEAR(pictures.calls[0].area.bottom, 6000, 1);
  EXPECT_EQ(pictures.calls[0].width, 84u);  // 20 points at 300 dpi
  EXPECT_EQ(pictures.calls[1].lastRecord, 3u);
  EXPECT_EQ(pictures.calls[2].lastRecord, 7u);
  EXPECT_NEAR(pictures.calls[2].area.right, 1600, 1);
  EXPECT_EQ(QpdfCheck(pdf), 0);
  const GreyRender render = Render(pdf);
  EXPECT_LT(render.At(30, 45), 128);  // the grey picture
  EXPECT_EQ(render.At(50, 45), 255);

  GreyPictures failing;
  failing.fails = true;
  const std::string without = PdfOfPage(emf.Finish(), fonts, failing);
  EXPECT_EQ(failing.calls.size(), 3u);
  EXPECT_EQ(QpdfCheck(without), 0);
  EXPECT_EQ(without.find("/Subtype /Image"), std::string::npos);
}

TEST(EmfPdfRobustness, CutAndDamagedMetafilesEndTheirPageCleanly) {
  EmfBuilder emf;
  BlackFill(emf)
      .Add(kEmrSaveDc, {})
      .Add(kEmrIntersectClipRect, {0, 0, 50, 50})
      .Add(kEmrBeginPath, {})
      .Add(kEmrRectangle, {0, 0, 30, 30})
      .Add(kEmrEndPath, {})
      .Add(kEmrSelectClipPath, {1})
      .Add(kEmrPolygon16, {0, 0, 0, 0, 3, Pack16(0, 0), Pack16(90, 0), Pack16(0, 90)})
      .Add(kEmrSaveDc, {})
      .Add(kEmrExcludeClipRect, {5, 5, 10, 10})
      .Add(kEmrEllipse, {0, 0, 40, 40});
  const std::vector<std::uint8_t> whole = emf.Finish();
  NoFonts fonts;
  for (std::size_t size = 100; size <= whole.size(); size += 4) {
    std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
    GreyPictures pictures;
    const std::string pdf = PdfOfPage(cut, fonts, pictures);
    if (size < 108) {
      EXPECT_TRUE(pdf.empty());
      continue;
    }
    SCOPED_TRACE(size);
    EXPECT_TRUE(Balanced(PageContent(pdf)));
    if (size % 40 == 0) EXPECT_EQ(QpdfCheck(pdf), 0);
  }
  // A record claiming more bytes than there are ends the page before it.
  std::vector<std::uint8_t> damaged = whole;
  damaged[108 + 4] = 0xFF;
  GreyPictures pictures;
  const std::string pdf = PdfOfPage(damaged, fonts, pictures);
  EXPECT_TRUE(Balanced(PageContent(pdf)));
  EXPECT_EQ(PageContent(pdf), "q\nQ\n");
}

}  // namespace
