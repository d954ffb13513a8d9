#include "page_frame.h"

#include <climits>

#include "spool_format.h"

namespace {

constexpr std::size_t kFrameOffset = 24;

std::int32_t ReadSigned32(const unsigned char* bytes) {
  return static_cast<std::int32_t>(ReadLittleEndian32(bytes));
}

// (extent / hundredths-per-pixel + 0.5) truncated towards zero; false unless it is a
// positive int.
bool ScaleToPixels(long long extent, int sizeMm, int resolution, int& pixels) {
  if (sizeMm <= 0 || resolution <= 0) return false;
  const double hundredthsPerPixel = sizeMm * 100.0 / resolution;
  const double scaled = static_cast<double>(extent) / hundredthsPerPixel + 0.5;
  if (scaled < 1.0 || scaled >= static_cast<double>(INT_MAX)) return false;
  pixels = static_cast<int>(scaled);
  return true;
}

}  // namespace

bool ParsePageFrame(const unsigned char* header, std::size_t length, PageFrame& frame) {
  if (length < kMinEmfHeaderBytes) return false;
  if (ReadLittleEndian32(header) != kEmrHeaderType ||
      ReadLittleEndian32(header + kEmfSignatureOffset) != kEnhMetaSignature)
    return false;
  frame.left = ReadSigned32(header + kFrameOffset);
  frame.top = ReadSigned32(header + kFrameOffset + 4);
  frame.right = ReadSigned32(header + kFrameOffset + 8);
  frame.bottom = ReadSigned32(header + kFrameOffset + 12);
  return true;
}

bool PageSizeInPixels(const PageFrame& frame, const DisplayMetrics& metrics, int& width,
                      int& height) {
  const long long frameWidth = static_cast<long long>(frame.right) - frame.left;
  const long long frameHeight = static_cast<long long>(frame.bottom) - frame.top;
  return ScaleToPixels(frameWidth, metrics.horzSizeMm, metrics.horzRes, width) &&
         ScaleToPixels(frameHeight, metrics.vertSizeMm, metrics.vertRes, height);
}
