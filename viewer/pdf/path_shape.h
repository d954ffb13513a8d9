#pragma once

#include <string>
#include <vector>

#include "affine.h"
#include "clip_region.h"

// A path as PDF draws it: figures of lines and cubic Béziers. Shapes are built in a DC's
// logical space and mapped whole onto the page (affine maps keep Béziers Béziers).
struct PathSegment {
  enum Kind { kMove, kLine, kCurve, kClose } kind = kMove;
  PointD p[3];  // kMove/kLine: p[0]; kCurve: two controls and the end
};

class PathShape {
 public:
  void MoveTo(PointD p);
  void LineTo(PointD p);
  void CurveTo(PointD c1, PointD c2, PointD end);
  void Close();
  // Appends another path's figures; `continuing` drops its first move when it starts
  // where this path's open figure ends (a line drawn on inside a path bracket).
  void Append(const PathShape& other, bool continuing = false);

  bool Empty() const { return m_segments.empty(); }
  const std::vector<PathSegment>& Segments() const { return m_segments; }
  // The point the last segment ended at (the figure's start after a close).
  PointD Current() const { return m_current; }
  bool HasCurrent() const { return !m_segments.empty(); }

  PathShape Mapped(const Affine& map) const;
  // Curves replaced by short lines (FLATTENPATH).
  PathShape Flattened() const;
  // The smallest box around every point, controls included; false for an empty path.
  bool Bounds(BoxD& box) const;
  // The path operators (m, l, c, h).
  std::string Operators() const;

  // Figures by their corners or as GDI draws its shapes, in logical coordinates.
  void AddRectangle(double left, double top, double right, double bottom);
  void AddEllipse(double left, double top, double right, double bottom);
  void AddRoundRect(double left, double top, double right, double bottom, double cornerWidth,
                    double cornerHeight);
  // The elliptic arc of the box from the radial through `start` to the one through `end`,
  // anticlockwise on a y-down screen unless `clockwise`; joined to the current point by a
  // line when `joinLine`, else started with a move.
  void AddArc(double left, double top, double right, double bottom, PointD start, PointD end,
              bool clockwise, bool joinLine);
  // A circular arc (ANGLEARC): degrees anticlockwise from the x axis on a y-down screen.
  void AddAngleArc(PointD centre, double radius, double startDegrees, double sweepDegrees);

 private:
  // The arc of the ellipse (centre, radii) from angle `from` by `sweep` radians (y up).
  void AddEllipticArc(PointD centre, double rx, double ry, double from, double sweep, bool joinLine);

  std::vector<PathSegment> m_segments;
  PointD m_current, m_figureStart;
};
