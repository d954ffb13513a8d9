#include <gtest/gtest.h>

#include <vector>

#include "page_bitmap.h"
#include "screen_fixture.h"
#include "temp_dir.h"

namespace {

struct DepthCase {
  int bits;
  std::uint32_t compression;
  std::uint32_t tableBytes;
};

void PrintTo(const DepthCase& depth, std::ostream* out) { *out << depth.bits << " bits"; }

class PageBitmapDepth : public ScreenFixture, public ::testing::WithParamInterface<DepthCase> {};

TEST_P(PageBitmapDepth, SavesTheScreenFormatWithItsTableAndPaddedRows) {
  const DepthCase depth = GetParam();
  UseDepth(depth.bits);
  TempDir dir;
  const std::string path = dir.file("page.bmp");
  CPageBitmap bitmap;
  ASSERT_EQ(bitmap.Create(13, 7, nullptr), 1);
  ASSERT_EQ(bitmap.Save(path.c_str()), 1);
  EXPECT_EQ(bitmap.FileName(), path);

  const BmpFile file = ReadBmp(path);
  const std::uint32_t stride = (13 * depth.bits + 31) / 32 * 4;
  EXPECT_EQ(file.type(), 0x4D42);
  EXPECT_EQ(file.width(), 13);
  EXPECT_EQ(file.height(), 7);
  EXPECT_EQ(file.bitCount(), depth.bits);
  EXPECT_EQ(file.compression(), depth.compression);
  EXPECT_EQ(file.imageSize(), 7 * stride);
  EXPECT_EQ(file.pixelOffset(), 54 + depth.tableBytes);
  EXPECT_EQ(file.fileSize(), 54 + depth.tableBytes + 7 * stride);
  EXPECT_EQ(file.bytes.size(), file.fileSize());
  // 1024 pixels over 320 mm.
  EXPECT_EQ(file.pixelsPerMetreX(), 3200);
}

INSTANTIATE_TEST_SUITE_P(EachDisplayDepth, PageBitmapDepth,
                         ::testing::Values(DepthCase{8, BI_RGB, 1024}, DepthCase{16, BI_BITFIELDS, 12},
                                           DepthCase{24, BI_RGB, 0}, DepthCase{32, BI_BITFIELDS, 12}),
                         [](const ::testing::TestParamInfo<DepthCase>& info) {
                           return std::to_string(info.param.bits) + "Bits";
                         });

using PageBitmap = ScreenFixture;

TEST_F(PageBitmap, FillsInTheColourMasksAndThePalette) {
  TempDir dir;
  CPageBitmap bitmap;

  UseDepth(32);
  ASSERT_EQ(bitmap.Create(4, 4, nullptr), 1);
  ASSERT_EQ(bitmap.Save(dir.file("32.bmp").c_str()), 1);
  const BmpFile trueColour = ReadBmp(dir.file("32.bmp"));
  EXPECT_EQ(trueColour.tableEntry(0), 0xFF0000u);
  EXPECT_EQ(trueColour.tableEntry(1), 0x00FF00u);
  EXPECT_EQ(trueColour.tableEntry(2), 0x0000FFu);

  UseDepth(16);
  ASSERT_EQ(bitmap.Create(4, 4, nullptr), 1);
  ASSERT_EQ(bitmap.Save(dir.file("16.bmp").c_str()), 1);
  const BmpFile highColour = ReadBmp(dir.file("16.bmp"));
  EXPECT_NE(highColour.tableEntry(0), 0u);
  EXPECT_EQ(highColour.tableEntry(0) & highColour.tableEntry(1), 0u);
  EXPECT_EQ(highColour.tableEntry(2), 0x1Fu);

  UseDepth(8);
  ASSERT_EQ(bitmap.Create(4, 4, nullptr), 1);
  ASSERT_EQ(bitmap.Save(dir.file("8.bmp").c_str()), 1);
  const BmpFile palette = ReadBmp(dir.file("8.bmp"));
  EXPECT_EQ(palette.tableEntry(0), 0x000000u);
  EXPECT_EQ(palette.tableEntry(255) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(PageBitmap, CreateRefusesAnEmptySizeAndDepthsABitmapCannotHave) {
  CPageBitmap bitmap;
  EXPECT_EQ(bitmap.Create(0, 10, nullptr), 0);
  EXPECT_EQ(bitmap.Create(10, 0, nullptr), 0);
  EXPECT_EQ(bitmap.Create(-5, 10, nullptr), 0);
  UseDepth(15);
  EXPECT_EQ(bitmap.Create(10, 10, nullptr), 0);
  UseDepth(2);
  EXPECT_EQ(bitmap.Create(10, 10, nullptr), 0);
  EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
}

TEST_F(PageBitmap, SaveNeedsABitmapAndAPath) {
  TempDir dir;
  CPageBitmap bitmap;
  EXPECT_EQ(bitmap.Save(dir.file("none.bmp").c_str()), 0);
  EXPECT_FALSE(FileExists(dir.file("none.bmp")));

  ASSERT_EQ(bitmap.Create(2, 2, nullptr), 1);
  EXPECT_EQ(bitmap.Save(nullptr), 0);
  EXPECT_EQ(bitmap.Save(""), 0);
  EXPECT_EQ(bitmap.Save(dir.file("missing\\folder.bmp").c_str()), 0);
  EXPECT_EQ(bitmap.FileName(), "");
}

TEST_F(PageBitmap, DestroyForgetsBitmapAndFileName) {
  TempDir dir;
  CPageBitmap bitmap;
  ASSERT_EQ(bitmap.Create(2, 2, nullptr), 1);
  ASSERT_EQ(bitmap.Save(dir.file("a.bmp").c_str()), 1);
  bitmap.Destroy();
  EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
  EXPECT_EQ(bitmap.FileName(), "");
  EXPECT_EQ(bitmap.Save(dir.file("b.bmp").c_str()), 0);
}

// Records the size of every write; fails the write numbered `failAt` (from 1), if any.
std::vector<std::size_t> g_writes;
std::size_t g_failAt = 0;

bool RecordingWriter(const void* data, std::size_t bytes, std::FILE* file) {
  g_writes.push_back(bytes);
  if (g_writes.size() == g_failAt) return false;
  return std::fwrite(data, 1, bytes, file) == bytes;
}

class PageBitmapWrites : public ScreenFixture {
 protected:
  PageBitmapWrites() : m_previous(SetBmpFileWriter(RecordingWriter)) {
    g_writes.clear();
    g_failAt = 0;
    UseDepth(32);
  }
  ~PageBitmapWrites() override { SetBmpFileWriter(m_previous); }

 private:
  BmpFileWriter m_previous;
};

TEST_F(PageBitmapWrites, PixelsGoOutInBlocksOf32768BytesThenTheRest) {
  TempDir dir;
  CPageBitmap bitmap;
  ASSERT_EQ(bitmap.Create(100, 100, nullptr), 1);
  ASSERT_EQ(bitmap.Save(dir.file("page.bmp").c_str()), 1);
  EXPECT_EQ(g_writes, (std::vector<std::size_t>{14, 52, 32768, 40000 - 32768}));
}

TEST_F(PageBitmapWrites, AnExactMultipleOfTheBlockIsWrittenAsWholeBlocksOnly) {
  TempDir dir;
  CPageBitmap bitmap;
  ASSERT_EQ(bitmap.Create(64, 256, nullptr), 1);
  ASSERT_EQ(bitmap.Save(dir.file("page.bmp").c_str()), 1);
  EXPECT_EQ(g_writes, (std::vector<std::size_t>{14, 52, 32768, 32768}));
  EXPECT_EQ(ReadBmp(dir.file("page.bmp")).bytes.size(), 14u + 52 + 65536);
}

TEST_F(PageBitmapWrites, AFailedWriteLeavesNoFileBehind) {
  TempDir dir;
  const std::string path = dir.file("page.bmp");
  WriteFileBytes(path, Bytes{'o', 'l', 'd'});
  CPageBitmap bitmap;
  ASSERT_EQ(bitmap.Create(100, 100, nullptr), 1);
  g_failAt = 4;
  EXPECT_EQ(bitmap.Save(path.c_str()), 0);
  EXPECT_FALSE(FileExists(path));
  EXPECT_EQ(bitmap.FileName(), "");

  g_writes.clear();
  g_failAt = 1;
  EXPECT_EQ(bitmap.Save(path.c_str()), 0);
  EXPECT_FALSE(FileExists(path));
}

}  // namespace
