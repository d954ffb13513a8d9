#include "sheet_raster.h"

#include <gtest/gtest.h>

#include "gdi_holders.h"

namespace {

// Lines, a filled shape and text across the whole sheet, each placed from r alone, and a
// clip test the way the sheet drawing leaves out pages a band does not show.
void DrawMarks(HDC dc, const RECT& r, int sheet) {
  CGdiObject<HPEN> pen(CreatePen(PS_SOLID, 3, RGB(200, 0, 0)));
  CScopedSelect selectedPen(dc, pen.get());
  MoveToEx(dc, r.left, r.top, nullptr);
  LineTo(dc, r.right, r.bottom);
  MoveToEx(dc, r.right, r.top, nullptr);
  LineTo(dc, r.left, r.bottom);
  Ellipse(dc, r.right / 4, r.bottom / 3, r.right / 2, r.bottom / 2 + sheet);
  const RECT corner = {r.right - 20, r.bottom - 20, r.right, r.bottom};
  if (RectVisible(dc, &corner)) FillRect(dc, &corner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  TextOutA(dc, r.right / 3, r.bottom / 2 - 5, "Sheet", 5);
}

TEST(SheetRaster, BandsOfAnyHeightGiveTheSamePixelsAsTheWholeSheet) {
  const SIZE size = {123, 301};
  Image whole;
  ASSERT_TRUE(RasteriseSheet(DrawMarks, 1, size, 150, whole));
  EXPECT_EQ(whole.width, 123u);
  EXPECT_EQ(whole.height, 301u);
  EXPECT_EQ(whole.pixelsPerMeterX, 5906u);  // 150 dpi
  ASSERT_EQ(whole.rgb.size(), 123u * 301u * 3u);
  // Red diagonal at the top left; the clipped black corner at the bottom right; white paper.
  EXPECT_EQ(whole.pixel(1, 1), (Rgb{200, 0, 0}));
  EXPECT_EQ(whole.pixel(115, 297), (Rgb{0, 0, 0}));
  EXPECT_EQ(whole.pixel(60, 5), (Rgb{255, 255, 255}));
  for (int band : {1, 7, 64, 150, 300}) {
    Image banded;
    ASSERT_TRUE(RasteriseSheetInBands(DrawMarks, 1, size, 150, band, banded)) << band;
    EXPECT_TRUE(banded.rgb == whole.rgb) << "bands of " << band << " rows";
  }
}

// Rows of ink of a digit written in the sheet's current font, as page numbers are.
int DigitRowsAt(int dpi) {
  const auto drawDigit = [](HDC dc, const RECT&, int) { TextOutA(dc, 4, 4, "8", 1); };
  Image image;
  if (!RasteriseSheet(drawDigit, 0, SIZE{200, 200}, dpi, image)) return 0;
  int rows = 0;
  for (std::uint32_t y = 0; y < image.height; ++y) {
    bool inked = false;
    for (std::uint32_t x = 0; x < image.width; ++x) inked = inked || image.pixel(x, y).g < 128;
    rows += inked;
  }
  return rows;
}

// A printer's default font keeps its size on paper; so do the sheet's own texts, whatever
// resolution the sheets are saved at: about 2 mm for a digit, not a third of it at 300 dpi.
TEST(SheetRaster, TheSheetsOwnTextKeepsItsSizeOnPaperAtEveryResolution) {
  const int at100 = DigitRowsAt(100);
  const int at300 = DigitRowsAt(300);
  EXPECT_GE(at100, 6);
  EXPECT_NEAR(at300, 3 * at100, 4);
  EXPECT_GE(at300 * 25.4 / 300, 1.5) << "millimetres";
}

TEST(SheetRaster, ASheetNoBitmapCanHoldFails) {
  Image image;
  EXPECT_FALSE(RasteriseSheet(DrawMarks, 0, SIZE{0, 0}, 300, image));
}

}  // namespace
