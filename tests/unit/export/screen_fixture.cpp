#include "screen_fixture.h"

namespace {

DisplayMetrics g_metrics;
int g_bitsPerPixel = 0;

bool FixedMetrics(DisplayMetrics& metrics) {
  metrics = g_metrics;
  return true;
}

ColourDepth FixedDepth(HDC) {
  ColourDepth depth;
  depth.bitsPerPixel = g_bitsPerPixel;
  depth.planes = 1;
  return depth;
}

}  // namespace

ScreenFixture::ScreenFixture()
    : m_previousMetrics(SetDisplayMetricsSource(FixedMetrics)),
      m_previousDepth(SetColourDepthSource(nullptr)) {
  DisplayMetrics metrics;
  metrics.horzSizeMm = 320;
  metrics.vertSizeMm = 240;
  metrics.horzRes = 1024;
  metrics.vertRes = 768;
  UseMetrics(metrics);
}

ScreenFixture::~ScreenFixture() {
  SetDisplayMetricsSource(m_previousMetrics);
  SetColourDepthSource(m_previousDepth);
}

void ScreenFixture::UseMetrics(const DisplayMetrics& metrics) { g_metrics = metrics; }

void ScreenFixture::UseDepth(int bitsPerPixel) {
  g_bitsPerPixel = bitsPerPixel;
  SetColourDepthSource(FixedDepth);
}

std::uint16_t BmpFile::type() const {
  return static_cast<std::uint16_t>(bytes.at(0) | bytes.at(1) << 8);
}

std::uint16_t BmpFile::bitCount() const {
  return static_cast<std::uint16_t>(bytes.at(28) | bytes.at(29) << 8);
}

std::uint32_t BmpFile::pixel32(int x, int y) const {
  const std::size_t row = static_cast<std::size_t>(height() - 1 - y);
  return GetU32(bytes, pixelOffset() + (row * width() + x) * 4) & 0xFFFFFF;
}

BmpFile ReadBmp(const std::string& path) { return BmpFile{ReadFileBytes(path)}; }
