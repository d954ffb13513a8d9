#include "clip_region.h"

#include <algorithm>

namespace {

BoxD Intersection(const BoxD& a, const BoxD& b) {
  return {std::max(a.left, b.left), std::max(a.bottom, b.bottom), std::min(a.right, b.right),
          std::min(a.top, b.top)};
}

// What is left of `box` outside `cut`: up to four disjoint boxes.
void AddDifference(const BoxD& box, const BoxD& cut, std::vector<BoxD>& out) {
  const BoxD common = Intersection(box, cut);
  if (common.Empty()) {
    out.push_back(box);
    return;
  }
  const BoxD pieces[] = {
      {box.left, common.top, box.right, box.top},
      {box.left, box.bottom, box.right, common.bottom},
      {box.left, common.bottom, common.left, common.top},
      {common.right, common.bottom, box.right, common.top},
  };
  for (const BoxD& piece : pieces)
    if (!piece.Empty()) out.push_back(piece);
}

}  // namespace

BoxRegion BoxRegion::FromBoxes(const std::vector<BoxD>& boxes) {
  // Boxes may overlap: every combination below keeps the union of its boxes right, and a
  // clip of overlapping rectangles (nonzero winding) is their union too.
  BoxRegion region;
  for (const BoxD& box : boxes)
    if (!box.Empty()) region.m_boxes.push_back(box);
  region.Limit();
  return region;
}

BoxD BoxRegion::Extent() const {
  if (m_boxes.empty()) return {};
  BoxD extent = m_boxes.front();
  for (const BoxD& box : m_boxes) extent.Include(box);
  return extent;
}

BoxRegion BoxRegion::Intersect(const BoxRegion& other) const {
  BoxRegion result;
  for (const BoxD& a : m_boxes)
    for (const BoxD& b : other.m_boxes) {
      const BoxD common = Intersection(a, b);
      if (common.Empty()) continue;
      if (result.m_boxes.size() == kMaxBoxes) return BoxRegion(Intersection(Extent(), other.Extent()));
      result.m_boxes.push_back(common);
    }
  return result;
}

BoxRegion BoxRegion::Subtract(const BoxRegion& other) const {
  std::vector<BoxD> remaining = m_boxes;
  for (const BoxD& cut : other.m_boxes) {
    std::vector<BoxD> next;
    for (const BoxD& box : remaining) AddDifference(box, cut, next);
    remaining.swap(next);
    if (remaining.size() > kMaxBoxes) break;
  }
  BoxRegion result;
  result.m_boxes = std::move(remaining);
  result.Limit();
  return result;
}

BoxRegion BoxRegion::Union(const BoxRegion& other) const {
  BoxRegion result = other.Subtract(*this);
  result.m_boxes.insert(result.m_boxes.begin(), m_boxes.begin(), m_boxes.end());
  result.Limit();
  return result;
}

BoxRegion BoxRegion::Xor(const BoxRegion& other) const { return Subtract(other).Union(other.Subtract(*this)); }

BoxRegion BoxRegion::Offset(double dx, double dy) const {
  BoxRegion result = *this;
  for (BoxD& box : result.m_boxes) {
    box.left += dx;
    box.right += dx;
    box.bottom += dy;
    box.top += dy;
  }
  return result;
}

void BoxRegion::Limit() {
  if (m_boxes.size() <= kMaxBoxes) return;
  const BoxD extent = Extent();
  m_boxes.assign(1, extent);
}
