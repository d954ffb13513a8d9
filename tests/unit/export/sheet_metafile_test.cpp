#include "sheet_metafile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <string>

#include "gdi_font_resolver.h"
#include "gdi_holders.h"
#include "metafile_pictures.h"
#include "page_store.h"
#include "sheet_renderer.h"
#include "temp_dir.h"
#include "test_pages.h"

namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  std::uint32_t value;
  std::memcpy(&value, &bytes[at], sizeof value);
  return value;
}

// What a recorded sheet holds: its text runs (wide text records as UTF-16), the bitmaps
// drawn, and whether a world transform turned anything.
struct SheetRecords {
  std::u16string text;
  int bitmaps = 0;
  int fonts = 0;
  bool turned = false;
};

SheetRecords ReadRecords(const std::vector<std::uint8_t>& emf) {
  SheetRecords found;
  for (std::size_t at = 0; at + 8 <= emf.size();) {
    const std::uint32_t type = U32(emf, at);
    const std::uint32_t size = U32(emf, at + 4);
    if (size < 8 || size > emf.size() - at) break;
    if (type == EMR_EXTTEXTOUTW) {
      const std::uint32_t count = U32(emf, at + 44);
      const std::uint32_t offset = U32(emf, at + 48);
      for (std::uint32_t i = 0; i < count; ++i)
        found.text += static_cast<char16_t>(emf[at + offset + 2 * i] | emf[at + offset + 2 * i + 1] << 8);
      found.text += u'|';
    }
    // A bit block transfer without a source only paints (the white paper).
    const bool withSource = type != EMR_BITBLT || U32(emf, at + offsetof(EMRBITBLT, cbBmiSrc)) != 0;
    if ((type == EMR_STRETCHDIBITS || type == EMR_BITBLT || type == EMR_STRETCHBLT || type == EMR_SETDIBITSTODEVICE) &&
        withSource)
      ++found.bitmaps;
    if (type == EMR_EXTCREATEFONTINDIRECTW) ++found.fonts;
    if (type == EMR_SETWORLDTRANSFORM || type == EMR_MODIFYWORLDTRANSFORM) {
      XFORM transform;
      std::memcpy(&transform, &emf[at + 8], sizeof transform);
      found.turned = found.turned || transform.eM12 != 0;
    }
    at += size;
  }
  return found;
}

bool Holds(const std::u16string& text, const char16_t* part) { return text.find(part) != std::u16string::npos; }

class RecordedSheet : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string folder = std::string(QUILLOR_REAL_FIXTURES) + "\\emf\\";
    CPageStore store;
    for (const char* name : {"hughbeEmfReader__spoolpage_EMFSpool_0006.emf", "hughbeEmfReader__spoolpage_EMFSpool_0000.emf"}) {
      PageEntry entry;
      ASSERT_TRUE(store.LoadPageFile(folder + name, entry)) << name;
      pages.Adopt(entry);
    }
    pages.entry(1).quarterTurns = 1;
    options.pageBorder = kPageBorderFrame;
    options.pageNumberPos = kPageNumberRightBottom;
    options.startPage = 7;
    options.watermarks.push_back(WatermarkRecord{"Draft", "DRAFT", kWatermarkTypeOutline});
    options.watermarkSel = 1;
  }

  SheetDrawer Drawer() {
    return [this](HDC dc, const RECT& r, int sheet) {
      DrawSheet(dc, r, pages.entries(), layout, sheet, options, SelectedWatermark(options));
    };
  }

  TestPages pages;
  SheetLayout layout = {4, false, false};
  OptionSettings options;
};

// The pages stay what they were printed as: their text as text records, their three
// bitmaps as bitmaps, the turned one under a world transform; the sheet adds its own text
// (the page numbers) in a font of its own, and nothing is drawn as a picture of the sheet.
TEST_F(RecordedSheet, KeepsThePagesRecordsAndAddsItsOwnText) {
  const SIZE pixels = {1240, 1754};
  CScopedEnhMetaFile sheet(RecordSheet(Drawer(), 0, pixels, 150));
  ASSERT_TRUE(sheet);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(MetafileBytes(sheet.get(), bytes));
  const SheetRecords records = ReadRecords(bytes);
  EXPECT_TRUE(Holds(records.text, u"Listens to the file system change notifications")) << "page 7";
  EXPECT_TRUE(Holds(records.text, u"FileSystemWatcher Members"));
  EXPECT_TRUE(Holds(records.text, u"Hello World")) << "page 8, turned";
  EXPECT_TRUE(Holds(records.text, u"|7|")) << "page numbers";
  EXPECT_TRUE(Holds(records.text, u"|8|"));
  EXPECT_TRUE(Holds(records.text, u"DRAFT")) << "the watermark's outline";
  EXPECT_EQ(records.bitmaps, 3);
  EXPECT_TRUE(records.turned);
  EXPECT_GE(records.fonts, 1);

  // The frame is the drawing's extent on the screen, whose units it was drawn in.
  ENHMETAHEADER header;
  ASSERT_TRUE(GetEnhMetaFileHeader(sheet.get(), sizeof header, &header));
  CClientDC screen(nullptr);
  EXPECT_EQ(header.rclFrame.right, MulDiv(pixels.cx, GetDeviceCaps(screen.get(), HORZSIZE) * 100,
                                          GetDeviceCaps(screen.get(), HORZRES)));
  EXPECT_EQ(header.szlDevice.cx, GetDeviceCaps(screen.get(), HORZRES));

  EXPECT_EQ(RecordSheet(Drawer(), 0, SIZE{0, 1754}, 150), nullptr);
}

// A part of the sheet played into a picture lands where the whole sheet's picture has it,
// and records after the one asked for are left out.
TEST_F(RecordedSheet, PicturesOfAPartMatchTheSheetsOwnPicture) {
  const SIZE pixels = {620, 877};
  options.watermarkSel = 0;
  Image whole;
  ASSERT_TRUE(RasteriseSheet(Drawer(), 0, pixels, 75, whole));
  CScopedEnhMetaFile sheet(RecordSheet(Drawer(), 0, pixels, 75));
  ASSERT_TRUE(sheet);
  ENHMETAHEADER header;
  ASSERT_TRUE(GetEnhMetaFileHeader(sheet.get(), sizeof header, &header));
  MetafilePictures pictures(sheet.get());

  // The top-left quarter of the frame, at the sheet's own resolution.
  const double unit = static_cast<double>(header.rclFrame.right) / pixels.cx;
  const FrameArea quarter = {0, 0, unit * pixels.cx / 2, unit * pixels.cy / 2};
  Image part;
  ASSERT_TRUE(pictures.Draw(header.nRecords - 1, quarter, pixels.cx / 2, pixels.cy / 2, part));
  ASSERT_EQ(part.width, static_cast<std::uint32_t>(pixels.cx / 2));
  // Text drawn from records may fall a pixel apart from text drawn directly: compared in
  // blocks of 8 x 8 pixels, no block differs by more than a fifth of black.
  int inked = 0;
  double worst = 0;
  for (std::uint32_t top = 0; top + 8 <= part.height; top += 8) {
    for (std::uint32_t left = 0; left + 8 <= part.width; left += 8) {
      double difference = 0;
      for (std::uint32_t y = top; y < top + 8; ++y) {
        for (std::uint32_t x = left; x < left + 8; ++x) {
          difference += part.pixel(x, y).g - whole.pixel(x, y).g;
          inked += part.pixel(x, y).g < 128;
        }
      }
      worst = std::max(worst, std::abs(difference) / 64 / 255);
    }
  }
  EXPECT_GT(inked, 1000);
  EXPECT_LT(worst, 0.2);
  // The sheet's frame, five pixels in, drawn where the sheet's picture has it.
  EXPECT_LT(part.pixel(5, 100).g, 128);
  EXPECT_LT(whole.pixel(5, 100).g, 128);
  EXPECT_EQ(part.pixel(3, 100).g, 255);

  // Up to the header only: white paper.
  ASSERT_TRUE(pictures.Draw(0, quarter, 40, 50, part));
  for (std::size_t i = 0; i < part.rgb.size(); ++i) ASSERT_EQ(part.rgb[i], 255) << i;
  EXPECT_FALSE(pictures.Draw(1, FrameArea{5, 5, 5, 9}, 10, 10, part));
}

// The sheet's faces come from GDI whole: TrueType tables by tag, asked once per font.
TEST(GdiFonts, GiveTheTablesOfTrueTypeFaces) {
  GdiFontResolver fonts;
  for (const char16_t* face : {u"Arial", u"Times New Roman"}) {
    FontRequest request;
    request.faceName = face;
    const std::shared_ptr<const FontFace> found = fonts.Resolve(request);
    ASSERT_TRUE(found);
    EXPECT_EQ(fonts.Resolve(request), found) << "asked once";
    const std::vector<std::uint8_t> head = found->Table(0x68656164);  // 'head'
    ASSERT_GE(head.size(), 54u);
    EXPECT_EQ((head[12] << 24 | head[13] << 16 | head[14] << 8 | head[15]) & 0xFFFFFFFFu, 0x5F0F3CF5u) << "magic";
    EXPECT_GT(found->Table(0x676C7966).size(), 1000u);  // 'glyf'
    EXPECT_TRUE(found->Table(0x7A7A7A7A).empty());
  }
  FontRequest bold;
  bold.faceName = u"Arial";
  bold.weight = 700;
  EXPECT_TRUE(fonts.Resolve(bold));
  EXPECT_EQ(FontDataTable(0x676C7966), 0x66796C67u);
}

}  // namespace
