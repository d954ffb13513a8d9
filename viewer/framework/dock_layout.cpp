#include "dock_layout.h"

#include <algorithm>
#include <cstdlib>

#include "control_bars.h"

namespace {

constexpr DockSide kEdges[] = {DockSide::Top, DockSide::Bottom, DockSide::Left, DockSide::Right};

// How far `point` is from the edge of `area` on `side`, or -1 when it lies beyond the
// edge's ends by more than `reach`.
int DistanceToEdge(const RECT& area, POINT point, DockSide side, int reach) {
  const bool horizontal = IsHorizontal(side);
  const int along = horizontal ? point.x : point.y;
  const int first = horizontal ? area.left : area.top;
  const int last = horizontal ? area.right : area.bottom;
  if (along < first - reach || along > last + reach) return -1;
  switch (side) {
    case DockSide::Top:
      return std::abs(point.y - area.top);
    case DockSide::Bottom:
      return std::abs(point.y - area.bottom);
    case DockSide::Left:
      return std::abs(point.x - area.left);
    default:
      return std::abs(point.x - area.right);
  }
}

}  // namespace

DWORD AlignFlag(DockSide side) {
  switch (side) {
    case DockSide::Top:
      return CBRS_ALIGN_TOP;
    case DockSide::Bottom:
      return CBRS_ALIGN_BOTTOM;
    case DockSide::Left:
      return CBRS_ALIGN_LEFT;
    case DockSide::Right:
      return CBRS_ALIGN_RIGHT;
    default:
      return 0;
  }
}

bool IsHorizontal(DockSide side) { return side != DockSide::Left && side != DockSide::Right; }

DockSide FirstAllowedSide(DockSide wanted, DWORD allowed) {
  if (allowed & AlignFlag(wanted)) return wanted;
  for (DockSide side : kEdges) {
    if (allowed & AlignFlag(side)) return side;
  }
  return DockSide::Floating;
}

DockSide DropSide(const RECT& area, POINT point, DWORD allowed, int reach, DockSide current) {
  DockSide best = DockSide::Floating;
  int bestDistance = reach + 1;
  for (DockSide side : kEdges) {
    if (!(allowed & AlignFlag(side))) continue;
    const int distance = DistanceToEdge(area, point, side, reach);
    if (distance < 0 || distance > reach) continue;
    if (side == current) return side;
    if (distance < bestDistance) {
      best = side;
      bestDistance = distance;
    }
  }
  return best;
}

RECT DockedBarRect(const RECT& area, DockSide side, int thickness) {
  RECT bar = area;
  const int height = static_cast<int>(area.bottom - area.top);
  const int width = static_cast<int>(area.right - area.left);
  switch (side) {
    case DockSide::Top:
      bar.bottom = area.top + std::min(thickness, height);
      break;
    case DockSide::Bottom:
      bar.top = area.bottom - std::min(thickness, height);
      break;
    case DockSide::Left:
      bar.right = area.left + std::min(thickness, width);
      break;
    case DockSide::Right:
      bar.left = area.right - std::min(thickness, width);
      break;
    default:
      bar = {area.left, area.top, area.left, area.top};
      break;
  }
  return bar;
}

FrameLayout LayOutFrame(const RECT& client, int statusHeight, DockSide side, int barThickness) {
  FrameLayout layout;
  RECT rest = client;
  rest.bottom = std::max(client.top, client.bottom - statusHeight);
  layout.status = {client.left, rest.bottom, client.right, client.bottom};
  layout.bar = DockedBarRect(rest, side, std::max(barThickness, 0));
  layout.view = rest;
  switch (side) {
    case DockSide::Top:
      layout.view.top = layout.bar.bottom;
      break;
    case DockSide::Bottom:
      layout.view.bottom = layout.bar.top;
      break;
    case DockSide::Left:
      layout.view.left = layout.bar.right;
      break;
    case DockSide::Right:
      layout.view.right = layout.bar.left;
      break;
    default:
      break;
  }
  return layout;
}
