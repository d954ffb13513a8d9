#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "colour_depth.h"
#include "display_metrics.h"
#include "file_bytes.h"

// A screen of 320 x 240 mm at 1024 x 768 pixels (31.25 hundredths of a millimetre per
// pixel), of the colour depth the test chooses; the real screen's depth until then.
class ScreenFixture : public ::testing::Test {
 protected:
  ScreenFixture();
  ~ScreenFixture() override;

  static void UseMetrics(const DisplayMetrics& metrics);
  static void UseDepth(int bitsPerPixel);

 private:
  DisplayMetricsSource m_previousMetrics;
  ColourDepthSource m_previousDepth;
};

// The fields of a BMP file that the tests look at.
struct BmpFile {
  Bytes bytes;
  std::uint16_t type() const;
  std::uint32_t fileSize() const { return GetU32(bytes, 2); }
  std::uint32_t pixelOffset() const { return GetU32(bytes, 10); }
  std::int32_t width() const { return static_cast<std::int32_t>(GetU32(bytes, 18)); }
  std::int32_t height() const { return static_cast<std::int32_t>(GetU32(bytes, 22)); }
  std::uint16_t bitCount() const;
  std::uint32_t compression() const { return GetU32(bytes, 30); }
  std::uint32_t imageSize() const { return GetU32(bytes, 34); }
  std::int32_t pixelsPerMetreX() const { return static_cast<std::int32_t>(GetU32(bytes, 38)); }
  // The 32-bit entry `index` after the info header: a colour mask or a palette colour.
  std::uint32_t tableEntry(std::size_t index) const { return GetU32(bytes, 54 + 4 * index); }
  // The colour at (x, y), y counted from the top, of a 32-bit bitmap, as 0xRRGGBB.
  std::uint32_t pixel32(int x, int y) const;
};

BmpFile ReadBmp(const std::string& path);
