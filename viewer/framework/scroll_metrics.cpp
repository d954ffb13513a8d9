#include "scroll_metrics.h"

#include <algorithm>

namespace {

constexpr int kStepDivisor = 10;

int StepOr(int given, int fromExtent) {
  if (given > 0) return given;
  return std::max(1, fromExtent / kStepDivisor);
}

}  // namespace

ScrollSteps DefaultScrollSteps(SIZE total, SIZE page, SIZE line) {
  ScrollSteps steps;
  steps.page.cx = StepOr(page.cx, total.cx);
  steps.page.cy = StepOr(page.cy, total.cy);
  steps.line.cx = StepOr(line.cx, steps.page.cx);
  steps.line.cy = StepOr(line.cy, steps.page.cy);
  return steps;
}

int MaxScrollPosition(int total, int client) { return std::max(0, total - std::max(0, client)); }

int ScrollPositionFor(int request, int current, int thumb, int line, int page, int maxPosition) {
  int position = current;
  switch (request) {
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = maxPosition;
      break;
    case SB_LINEUP:
      position = current - line;
      break;
    case SB_LINEDOWN:
      position = current + line;
      break;
    case SB_PAGEUP:
      position = current - page;
      break;
    case SB_PAGEDOWN:
      position = current + page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = thumb;
      break;
    default:
      break;
  }
  return std::clamp(position, 0, std::max(0, maxPosition));
}

int WheelScrollDistance(int delta, UINT linesPerNotch, int line, int page) {
  const long long perNotch =
      linesPerNotch == WHEEL_PAGESCROLL
          ? page
          : std::min<long long>(static_cast<long long>(linesPerNotch) * line, page);
  return static_cast<int>(-perNotch * delta / WHEEL_DELTA);
}
