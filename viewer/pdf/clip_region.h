#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "affine.h"

// An axis-aligned box in PDF points, left < right and bottom < top when not empty.
struct BoxD {
  double left = 0, bottom = 0, right = 0, top = 0;
  bool Empty() const { return !(left < right && bottom < top); }

  // The box of one point, to grow with Include.
  static BoxD At(PointD p) { return {p.x, p.y, p.x, p.y}; }
  // Grows the box to take in `p`, or all of `other`.
  void Include(PointD p) { Include(At(p)); }
  void Include(const BoxD& other) {
    left = std::min(left, other.left);
    bottom = std::min(bottom, other.bottom);
    right = std::max(right, other.right);
    top = std::max(top, other.top);
  }
};

// A region as the union of boxes, with GDI's combinations. Regions are kept in page space, so
// only the mapping of a record's own coordinates decides a box.
class BoxRegion {
 public:
  BoxRegion() = default;
  explicit BoxRegion(const BoxD& box) {
    if (!box.Empty()) m_boxes.push_back(box);
  }
  static BoxRegion FromBoxes(const std::vector<BoxD>& boxes);

  const std::vector<BoxD>& Boxes() const { return m_boxes; }
  bool Empty() const { return m_boxes.empty(); }
  BoxD Extent() const;

  BoxRegion Intersect(const BoxRegion& other) const;
  BoxRegion Union(const BoxRegion& other) const;
  BoxRegion Subtract(const BoxRegion& other) const;
  BoxRegion Xor(const BoxRegion& other) const;
  BoxRegion Offset(double dx, double dy) const;

 private:
  // Beyond this many boxes a region stands for its extent: a fuzzer's thousands of tiny
  // exclusions must not grow the page quadratically.
  static constexpr std::size_t kMaxBoxes = 4096;
  void Limit();

  std::vector<BoxD> m_boxes;
};
