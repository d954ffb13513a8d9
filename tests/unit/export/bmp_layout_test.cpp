#include <gtest/gtest.h>

#include "bmp_layout.h"

namespace {

BITMAPINFOHEADER HeaderOf(WORD bitCount, DWORD coloursUsed = 0) {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biBitCount = bitCount;
  header.biClrUsed = coloursUsed;
  return header;
}

TEST(BmpRowStride, PadsEveryRowToWholeDoubleWords) {
  EXPECT_EQ(BmpRowStride(1, 1), 4u);
  EXPECT_EQ(BmpRowStride(33, 1), 8u);
  EXPECT_EQ(BmpRowStride(9, 4), 8u);
  EXPECT_EQ(BmpRowStride(5, 8), 8u);
  EXPECT_EQ(BmpRowStride(3, 16), 8u);
  EXPECT_EQ(BmpRowStride(1, 24), 4u);
  EXPECT_EQ(BmpRowStride(3, 24), 12u);
  EXPECT_EQ(BmpRowStride(672, 24), 2016u);
  EXPECT_EQ(BmpRowStride(7, 32), 28u);
}

TEST(BmpImageBytes, IsRowsTimesStrideAndRefusesWhatTheSizeFieldCannotHold) {
  DWORD bytes = 0;
  ASSERT_TRUE(BmpImageBytes(672, 950, 32, bytes));
  EXPECT_EQ(bytes, 672u * 4 * 950);
  ASSERT_TRUE(BmpImageBytes(3, 2, 24, bytes));
  EXPECT_EQ(bytes, 24u);

  bytes = 7;
  EXPECT_FALSE(BmpImageBytes(70000, 70000, 32, bytes));
  EXPECT_FALSE(BmpImageBytes(0x7FFFFFFF, 1, 32, bytes));
  EXPECT_EQ(bytes, 7u);
}

TEST(ColourTableBytes, HoldsThreeMasksForSixteenAndThirtyTwoBits) {
  EXPECT_EQ(ColourTableBytes(HeaderOf(16)), 12u);
  EXPECT_EQ(ColourTableBytes(HeaderOf(32)), 12u);
  EXPECT_EQ(ColourTableBytes(HeaderOf(32, 256)), 12u);
}

TEST(ColourTableBytes, HoldsTheUsedOrFullPaletteOtherwiseAndNoneForTrueColour) {
  EXPECT_EQ(ColourTableBytes(HeaderOf(1)), 8u);
  EXPECT_EQ(ColourTableBytes(HeaderOf(4)), 64u);
  EXPECT_EQ(ColourTableBytes(HeaderOf(8)), 1024u);
  EXPECT_EQ(ColourTableBytes(HeaderOf(8, 20)), 80u);
  EXPECT_EQ(ColourTableBytes(HeaderOf(24)), 0u);
}

TEST(BmpFileHeader, CountsHeadersTableAndPixels) {
  const BITMAPFILEHEADER header = BmpFileHeader(1000, 1024);
  EXPECT_EQ(header.bfType, 0x4D42);
  EXPECT_EQ(header.bfSize, 1000u + 1024 + 54);
  EXPECT_EQ(header.bfOffBits, 1024u + 54);
  EXPECT_EQ(header.bfReserved1, 0);
  EXPECT_EQ(header.bfReserved2, 0);
}

}  // namespace
