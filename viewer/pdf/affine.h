#pragma once

#include <cmath>

struct PointD {
  double x = 0, y = 0;
};

// An affine map as GDI's XFORM and PDF's cm write it: x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  PointD Apply(double x, double y) const { return {a * x + c * y + e, b * x + d * y + f}; }
  PointD Apply(PointD p) const { return Apply(p.x, p.y); }
  // This map, then `next`.
  Affine Then(const Affine& next) const {
    return {a * next.a + b * next.c, a * next.b + b * next.d, c * next.a + d * next.c,
            c * next.b + d * next.d, e * next.a + f * next.c + next.e, e * next.b + f * next.d + next.f};
  }
  // How lengths scale on average (the square root of the area scale).
  double Scale() const { return std::sqrt(std::fabs(a * d - b * c)); }
  // True when it keeps rectangles' sides horizontal and vertical.
  bool AxisAligned() const { return b == 0 && c == 0; }
};
