#include <gtest/gtest.h>

#include "emf_pages.h"
#include "render_page.h"
#include "screen_fixture.h"
#include "temp_dir.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

class RenderPageToBmpTest : public ScreenFixture {
 protected:
  // A page file drawn with a frame of the given size in 0.01 mm.
  std::string WritePage(const std::string& name, int width = 21000, int height = 29700) {
    PageDrawing drawing;
    drawing.widthHundredthsMm = width;
    drawing.heightHundredthsMm = height;
    const std::string path = dir.file(name);
    WriteFileBytes(path, DrawEmfPage(drawing));
    return path;
  }

  // Refused: result 0 and no file.
  void ExpectRefused(const std::string& page) {
    const std::string bmp = dir.file("refused.bmp");
    EXPECT_EQ(RenderPageToBmp(page.c_str(), bmp.c_str()), 0) << page;
    EXPECT_FALSE(FileExists(bmp)) << page;
  }

  TempDir dir;
};

TEST_F(RenderPageToBmpTest, AnA4PageComesOutAtTheScreensResolution) {
  const std::string page = WritePage("a4.emf");
  const std::string bmp = dir.file("a4.bmp");
  ASSERT_EQ(RenderPageToBmp(page.c_str(), bmp.c_str()), 1);
  const BmpFile file = ReadBmp(bmp);
  EXPECT_EQ(file.width(), 672);
  EXPECT_EQ(file.height(), 950);
}

TEST_F(RenderPageToBmpTest, PlaysThePageOverTheWholeBitmapOnWhite) {
  const std::string page = WritePage("a4.emf");
  const std::string bmp = dir.file("a4.bmp");
  ASSERT_EQ(RenderPageToBmp(page.c_str(), bmp.c_str()), 1);
  const BmpFile file = ReadBmp(bmp);
  ASSERT_EQ(file.bitCount(), 32);
  EXPECT_EQ(file.pixel32(0, 0), kWhite);
  EXPECT_EQ(file.pixel32(671, 949), kWhite);
  EXPECT_EQ(file.pixel32(336, 600), kWhite);
  // The page's border is drawn 5 mm inside its frame: 16 pixels in at this resolution.
  bool borderFound = false;
  for (int x = 12; x <= 20; ++x) borderFound |= file.pixel32(x, 475) != kWhite;
  EXPECT_TRUE(borderFound);
}

TEST_F(RenderPageToBmpTest, AHalfPixelRoundsUp) {
  DisplayMetrics tenthMillimetrePixels;
  tenthMillimetrePixels.horzSizeMm = 100;
  tenthMillimetrePixels.horzRes = 1000;
  tenthMillimetrePixels.vertSizeMm = 100;
  tenthMillimetrePixels.vertRes = 1000;
  UseMetrics(tenthMillimetrePixels);
  const std::string page = WritePage("half.emf", 1005, 2004);
  const std::string bmp = dir.file("half.bmp");
  ASSERT_EQ(RenderPageToBmp(page.c_str(), bmp.c_str()), 1);
  const BmpFile file = ReadBmp(bmp);
  EXPECT_EQ(file.width(), 101);
  EXPECT_EQ(file.height(), 200);
}

TEST_F(RenderPageToBmpTest, RefusesMissingPathsAndFilesThatAreNoMetafilePage) {
  const std::string page = WritePage("page.emf");
  EXPECT_EQ(RenderPageToBmp(nullptr, dir.file("x.bmp").c_str()), 0);
  EXPECT_EQ(RenderPageToBmp("", dir.file("x.bmp").c_str()), 0);
  EXPECT_EQ(RenderPageToBmp(page.c_str(), nullptr), 0);
  EXPECT_EQ(RenderPageToBmp(page.c_str(), ""), 0);
  EXPECT_FALSE(FileExists(dir.file("x.bmp")));

  ExpectRefused(dir.file("missing.emf"));

  Bytes notEmf = ReadFileBytes(page);
  PutU32(notEmf, 0, 2);
  WriteFileBytes(dir.file("type.emf"), notEmf);
  ExpectRefused(dir.file("type.emf"));

  Bytes badSignature = ReadFileBytes(page);
  PutU32(badSignature, 40, 0x464D4521);
  WriteFileBytes(dir.file("signature.emf"), badSignature);
  ExpectRefused(dir.file("signature.emf"));

  const Bytes whole = ReadFileBytes(page);
  WriteFileBytes(dir.file("short.emf"), Bytes(whole.begin(), whole.begin() + 43));
  ExpectRefused(dir.file("short.emf"));
}

TEST_F(RenderPageToBmpTest, RefusesAnEmptyOrInvertedFrame) {
  Bytes page = DrawEmfPage(PageDrawing());
  PutU32(page, 32, GetU32(page, 24));  // right = left
  WriteFileBytes(dir.file("empty.emf"), page);
  ExpectRefused(dir.file("empty.emf"));

  page = DrawEmfPage(PageDrawing());
  PutU32(page, 36, static_cast<std::uint32_t>(-100));  // bottom above top
  WriteFileBytes(dir.file("inverted.emf"), page);
  ExpectRefused(dir.file("inverted.emf"));
}

TEST_F(RenderPageToBmpTest, AcceptsButWritesNothingWhenThePageCannotBeDrawnOrSaved) {
  // The header passes, but the platform refuses a metafile of unaligned length.
  Bytes unloadable = DrawEmfPage(PageDrawing());
  PutU32(unloadable, 48, GetU32(unloadable, 48) + 1);
  WriteFileBytes(dir.file("unloadable.emf"), unloadable);
  const std::string bmp = dir.file("out.bmp");
  EXPECT_EQ(RenderPageToBmp(dir.file("unloadable.emf").c_str(), bmp.c_str()), 1);
  EXPECT_FALSE(FileExists(bmp));

  const std::string page = WritePage("page.emf");
  const std::string unwritable = dir.file("no such folder\\out.bmp");
  EXPECT_EQ(RenderPage(page.c_str(), unwritable.c_str()), PageRenderResult::NotWritten);
  EXPECT_EQ(RenderPageToBmp(page.c_str(), unwritable.c_str()), 1);
}

TEST_F(RenderPageToBmpTest, WritesNothingWhenTheBitmapCannotBeDrawnInto) {
  // The real screen here has 32 bits; a bitmap of another depth is refused by its context.
  UseDepth(8);
  const std::string page = WritePage("page.emf");
  const std::string bmp = dir.file("out.bmp");
  EXPECT_EQ(RenderPage(page.c_str(), bmp.c_str()), PageRenderResult::NotWritten);
  EXPECT_FALSE(FileExists(bmp));
}

TEST_F(RenderPageToBmpTest, RealPagesComeOutAtTheirFramesSizeWithTheirDrawing) {
  const std::string folder = std::string(QUILLOR_REAL_FIXTURES) + "\\emf\\";
  struct Expected {
    const char* file;
    int width;
    int height;
  };
  // Frames in 0.01 mm over 31.25 per pixel; the car's frame starts left of 0. The spool
  // pages select the stock colour space, which must not stop them from playing.
  for (const Expected& page : {Expected{"hughbeEmfReader__win_clipart_car.emf", 1038, 764},
                               Expected{"hughbeEmfReader__spoolpage_EMFSpool_0001.emf", 672, 950},
                               Expected{"hughbeEmfReader__spoolpage_EMFSpool_0006.emf", 672, 950}}) {
    const std::string bmp = dir.file("real.bmp");
    ASSERT_EQ(RenderPage((folder + page.file).c_str(), bmp.c_str()), PageRenderResult::Written)
        << page.file;
    const BmpFile file = ReadBmp(bmp);
    EXPECT_EQ(file.width(), page.width) << page.file;
    EXPECT_EQ(file.height(), page.height) << page.file;
    int drawn = 0;
    for (int y = 0; y < file.height(); y += 4)
      for (int x = 0; x < file.width(); x += 4) drawn += file.pixel32(x, y) != kWhite;
    EXPECT_GT(drawn, 50) << page.file;
  }
}

TEST_F(RenderPageToBmpTest, APageOfMetresIsAcceptedButNotAllocated) {
  // A frame of about 14.9 x 7.5 m: some 47700 x 24000 pixels, beyond a bitmap's size field.
  const std::string page =
      std::string(QUILLOR_REAL_FIXTURES) + "\\emf\\hughbeEmfReader__LO_image004.emf";
  const std::string bmp = dir.file("huge.bmp");
  EXPECT_EQ(RenderPage(page.c_str(), bmp.c_str()), PageRenderResult::NotWritten);
  EXPECT_FALSE(FileExists(bmp));
}

}  // namespace
