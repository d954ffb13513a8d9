#include "path_shape.h"

#include <algorithm>
#include <cmath>

#include "pdf_syntax.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

std::string Pair(PointD p) { return PdfPoints(p.x) + " " + PdfPoints(p.y); }

// Whether the figure from `at` is four corners closed, its first side along x: what re
// draws, in the same direction (which a fill of several figures depends on).
bool RectangleAt(const std::vector<PathSegment>& segments, std::size_t at) {
  if (at + 5 > segments.size() || segments[at].kind != PathSegment::kMove ||
      segments[at + 4].kind != PathSegment::kClose)
    return false;
  for (std::size_t i = 1; i < 4; ++i)
    if (segments[at + i].kind != PathSegment::kLine) return false;
  const PointD a = segments[at].p[0], b = segments[at + 1].p[0], c = segments[at + 2].p[0], d = segments[at + 3].p[0];
  return a.y == b.y && b.x == c.x && c.y == d.y && d.x == a.x;
}

PointD Bezier(PointD p0, PointD p1, PointD p2, PointD p3, double t) {
  const double u = 1 - t;
  return {u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
          u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y};
}

}  // namespace

void PathShape::MoveTo(PointD p) {
  m_segments.push_back({PathSegment::kMove, {p, {}, {}}});
  m_current = m_figureStart = p;
}

void PathShape::LineTo(PointD p) {
  if (m_segments.empty()) MoveTo(m_current);
  m_segments.push_back({PathSegment::kLine, {p, {}, {}}});
  m_current = p;
}

void PathShape::CurveTo(PointD c1, PointD c2, PointD end) {
  if (m_segments.empty()) MoveTo(m_current);
  m_segments.push_back({PathSegment::kCurve, {c1, c2, end}});
  m_current = end;
}

void PathShape::Close() {
  if (m_segments.empty() || m_segments.back().kind == PathSegment::kClose) return;
  m_segments.push_back({PathSegment::kClose, {}});
  m_current = m_figureStart;
}

void PathShape::Append(const PathShape& other, bool continuing) {
  auto from = other.m_segments.begin();
  const bool open = !m_segments.empty() && m_segments.back().kind != PathSegment::kClose;
  if (continuing && open && from != other.m_segments.end() && from->kind == PathSegment::kMove &&
      std::fabs(from->p[0].x - m_current.x) < 1e-6 && std::fabs(from->p[0].y - m_current.y) < 1e-6)
    ++from;
  m_segments.insert(m_segments.end(), from, other.m_segments.end());
  if (!other.m_segments.empty()) {
    m_current = other.m_current;
    m_figureStart = other.m_figureStart;
  }
}

PathShape PathShape::Mapped(const Affine& map) const {
  PathShape mapped = *this;
  for (PathSegment& segment : mapped.m_segments)
    for (PointD& p : segment.p) p = map.Apply(p);
  mapped.m_current = map.Apply(m_current);
  mapped.m_figureStart = map.Apply(m_figureStart);
  return mapped;
}

PathShape PathShape::Flattened() const {
  PathShape flat;
  PointD last;
  for (const PathSegment& segment : m_segments) {
    switch (segment.kind) {
      case PathSegment::kMove: flat.MoveTo(last = segment.p[0]); break;
      case PathSegment::kLine: flat.LineTo(last = segment.p[0]); break;
      case PathSegment::kClose: flat.Close(); last = flat.m_current; break;
      case PathSegment::kCurve:
        for (int step = 1; step <= 16; ++step)
          flat.LineTo(Bezier(last, segment.p[0], segment.p[1], segment.p[2], step / 16.0));
        last = segment.p[2];
        break;
    }
  }
  return flat;
}

bool PathShape::Bounds(BoxD& box) const {
  bool any = false;
  for (const PathSegment& segment : m_segments) {
    const int count = segment.kind == PathSegment::kCurve ? 3 : segment.kind == PathSegment::kClose ? 0 : 1;
    for (int i = 0; i < count; ++i) {
      if (!any) box = BoxD::At(segment.p[i]);
      box.Include(segment.p[i]);
      any = true;
    }
  }
  return any;
}

std::string PathShape::Operators() const {
  std::string ops;
  for (std::size_t i = 0; i < m_segments.size(); ++i) {
    if (RectangleAt(m_segments, i)) {
      ops += PdfRectangle(m_segments[i].p[0].x, m_segments[i].p[0].y, m_segments[i + 2].p[0].x,
                          m_segments[i + 2].p[0].y);
      i += 4;
      continue;
    }
    const PathSegment& segment = m_segments[i];
    switch (segment.kind) {
      case PathSegment::kMove: ops += Pair(segment.p[0]) + " m\n"; break;
      case PathSegment::kLine: ops += Pair(segment.p[0]) + " l\n"; break;
      case PathSegment::kCurve:
        ops += Pair(segment.p[0]) + " " + Pair(segment.p[1]) + " " + Pair(segment.p[2]) + " c\n";
        break;
      case PathSegment::kClose: ops += "h\n"; break;
    }
  }
  return ops;
}

void PathShape::AddRectangle(double left, double top, double right, double bottom) {
  MoveTo({left, top});
  LineTo({right, top});
  LineTo({right, bottom});
  LineTo({left, bottom});
  Close();
}

void PathShape::AddEllipse(double left, double top, double right, double bottom) {
  const PointD centre{(left + right) / 2, (top + bottom) / 2};
  AddEllipticArc(centre, (right - left) / 2, (top - bottom) / 2, 0, 2 * kPi, false);
  Close();
}

void PathShape::AddRoundRect(double left, double top, double right, double bottom, double cornerWidth,
                             double cornerHeight) {
  const double rx = std::min(std::fabs(cornerWidth), std::fabs(right - left)) / 2;
  const double ry = std::min(std::fabs(cornerHeight), std::fabs(bottom - top)) / 2;
  const double x0 = std::min(left, right), x1 = std::max(left, right);
  const double y0 = std::min(top, bottom), y1 = std::max(top, bottom);
  // Corners in the y-down logical sense: the arcs' y radius is negated to keep angles y-up.
  MoveTo({x1 - rx, y0});
  AddEllipticArc({x0 + rx, y0 + ry}, rx, -ry, kPi / 2, kPi / 2, true);
  AddEllipticArc({x0 + rx, y1 - ry}, rx, -ry, kPi, kPi / 2, true);
  AddEllipticArc({x1 - rx, y1 - ry}, rx, -ry, 3 * kPi / 2, kPi / 2, true);
  AddEllipticArc({x1 - rx, y0 + ry}, rx, -ry, 0, kPi / 2, true);
  Close();
}

void PathShape::AddArc(double left, double top, double right, double bottom, PointD start, PointD end,
                       bool clockwise, bool joinLine) {
  const PointD centre{(left + right) / 2, (top + bottom) / 2};
  const double rx = std::fabs(right - left) / 2, ry = std::fabs(bottom - top) / 2;
  if (rx == 0 || ry == 0) return;
  // Angles on the ellipse's own circle, y up as seen on a y-down screen.
  const double from = std::atan2(-(start.y - centre.y) / ry, (start.x - centre.x) / rx);
  const double to = std::atan2(-(end.y - centre.y) / ry, (end.x - centre.x) / rx);
  double sweep = to - from;
  if (clockwise) {
    if (sweep >= 0) sweep -= 2 * kPi;
  } else if (sweep <= 0) {
    sweep += 2 * kPi;
  }
  AddEllipticArc(centre, rx, -ry, from, sweep, joinLine);
}

void PathShape::AddAngleArc(PointD centre, double radius, double startDegrees, double sweepDegrees) {
  if (!std::isfinite(startDegrees) || !std::isfinite(sweepDegrees)) return;
  // More than a full turn draws the circle again; once is enough ink.
  sweepDegrees = std::max(-720.0, std::min(720.0, sweepDegrees));
  AddEllipticArc(centre, radius, -radius, startDegrees * kPi / 180, sweepDegrees * kPi / 180, true);
}

void PathShape::AddEllipticArc(PointD centre, double rx, double ry, double from, double sweep, bool joinLine) {
  const PointD first{centre.x + rx * std::cos(from), centre.y + ry * std::sin(from)};
  if (joinLine && !m_segments.empty())
    LineTo(first);
  else
    MoveTo(first);
  const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (kPi / 2) - 1e-9)));
  const double step = sweep / pieces;
  const double handle = 4.0 / 3.0 * std::tan(step / 4);
  double angle = from;
  for (int i = 0; i < pieces; ++i) {
    const double next = angle + step;
    const double c0 = std::cos(angle), s0 = std::sin(angle), c1 = std::cos(next), s1 = std::sin(next);
    CurveTo({centre.x + rx * (c0 - handle * s0), centre.y + ry * (s0 + handle * c0)},
            {centre.x + rx * (c1 + handle * s1), centre.y + ry * (s1 - handle * c1)},
            {centre.x + rx * c1, centre.y + ry * s1});
    angle = next;
  }
}
