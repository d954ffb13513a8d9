#include "page_clipboard.h"

#include <gtest/gtest.h>

#include <vector>

#include "dib_info.h"
#include "test_pages.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

// The bitmap's pixel at (x, y) read as 32-bit top-down DIB.
COLORREF PixelOf(HBITMAP bitmap, int width, int height, int x, int y) {
  BITMAPINFO info = TopDown32BitInfo(width, height);
  std::vector<DWORD> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
  HDC screen = GetDC(nullptr);
  const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                              DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (lines != height) return CLR_INVALID;
  const DWORD bgr = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) +
                           static_cast<size_t>(x)];
  return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

BITMAP DescribeBitmap(HBITMAP bitmap) {
  BITMAP description = {};
  GetObjectA(bitmap, sizeof description, &description);
  return description;
}

TEST(PageClipboardTest, ThePageIsDrawnInColourAtItsOwnSize) {
  TestPages pages;
  pages.AddSolid(30, 20, kRed);
  HBITMAP bitmap = RenderPageBitmap(pages.entries()[0]);
  ASSERT_NE(nullptr, bitmap);
  const BITMAP description = DescribeBitmap(bitmap);
  EXPECT_EQ(30, description.bmWidth);
  EXPECT_EQ(20, description.bmHeight);
  EXPECT_GT(description.bmBitsPixel, 1);
  EXPECT_EQ(kRed, PixelOf(bitmap, 30, 20, 15, 10));
  DeleteObject(bitmap);
}

TEST(PageClipboardTest, APageWithoutMetafileIsWhite) {
  TestPages pages;
  pages.AddWithoutMetafile(8, 6);
  HBITMAP bitmap = RenderPageBitmap(pages.entries()[0]);
  ASSERT_NE(nullptr, bitmap);
  EXPECT_EQ(RGB(255, 255, 255), PixelOf(bitmap, 8, 6, 4, 3));
  DeleteObject(bitmap);
}

TEST(PageClipboardTest, TheClipboardHoldsThePageAsABitmap) {
  TestPages pages;
  pages.AddSolid(40, 25, kRed);
  CopyPageToClipboard(pages.entries()[0]);
  ASSERT_TRUE(OpenClipboard(nullptr));
  HBITMAP held = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  ASSERT_NE(nullptr, held);
  const BITMAP description = DescribeBitmap(held);
  EXPECT_EQ(40, description.bmWidth);
  EXPECT_EQ(25, description.bmHeight);
  EXPECT_EQ(kRed, PixelOf(held, 40, 25, 20, 12));
  CloseClipboard();
}

}  // namespace
