// A page header and a display: the frame is read from the header's own bytes, and an
// accepted size is the frame's extent in display pixels, rounded.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "page_frame.h"
#include "spool_format.h"

namespace {

void Check(bool holds) {
  if (!holds) std::abort();
}

int SmallInt(const unsigned char* bytes) {
  return static_cast<int>(ReadLittleEndian32(bytes) % 100000) - 10;
}

// Within one pixel of the exact quotient: the rule rounds a double.
bool CloseToExact(long long extent, int sizeMm, int resolution, int pixels) {
  const long double exact = static_cast<long double>(extent) * resolution / (sizeMm * 100.0L);
  return std::fabs(exact - pixels) <= 1.0L;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  // The display's four metrics come first, then the header bytes.
  constexpr std::size_t kMetricsBytes = 16;
  if (size < kMetricsBytes) return 0;
  DisplayMetrics metrics;
  metrics.horzSizeMm = SmallInt(data);
  metrics.vertSizeMm = SmallInt(data + 4);
  metrics.horzRes = SmallInt(data + 8);
  metrics.vertRes = SmallInt(data + 12);
  const unsigned char* header = data + kMetricsBytes;
  const std::size_t length = size - kMetricsBytes;

  PageFrame frame;
  if (!ParsePageFrame(header, length, frame)) return 0;
  Check(length >= kMinEmfHeaderBytes && ReadLittleEndian32(header) == kEmrHeaderType);
  Check(static_cast<std::uint32_t>(frame.right) == ReadLittleEndian32(header + 32));

  int width = 0;
  int height = 0;
  if (!PageSizeInPixels(frame, metrics, width, height)) return 0;
  const long long frameWidth = static_cast<long long>(frame.right) - frame.left;
  const long long frameHeight = static_cast<long long>(frame.bottom) - frame.top;
  Check(width >= 1 && height >= 1);
  Check(metrics.horzSizeMm > 0 && metrics.horzRes > 0 && metrics.vertSizeMm > 0 &&
        metrics.vertRes > 0);
  Check(CloseToExact(frameWidth, metrics.horzSizeMm, metrics.horzRes, width));
  Check(CloseToExact(frameHeight, metrics.vertSizeMm, metrics.vertRes, height));
  return 0;
}
