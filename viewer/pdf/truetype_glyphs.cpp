#include "truetype_glyphs.h"

#include <algorithm>


namespace {

// Composite glyph flags.
constexpr std::uint16_t kArgsAreWords = 0x0001;
constexpr std::uint16_t kArgsAreOffsets = 0x0002;
constexpr std::uint16_t kHasScale = 0x0008;
constexpr std::uint16_t kMoreComponents = 0x0020;
constexpr std::uint16_t kHasXYScale = 0x0040;
constexpr std::uint16_t kHasTwoByTwo = 0x0080;
// Simple glyph flags.
constexpr std::uint8_t kOnCurve = 0x01;
constexpr std::uint8_t kXShort = 0x02;
constexpr std::uint8_t kYShort = 0x04;
constexpr std::uint8_t kRepeat = 0x08;
constexpr std::uint8_t kXSameOrPositive = 0x10;
constexpr std::uint8_t kYSameOrPositive = 0x20;

constexpr std::size_t kMaxPoints = 1 << 16;

double F2Dot14(std::int16_t value) { return value / 16384.0; }

// A component of a composite glyph: its glyph and the transform it is placed with.
struct Component {
  std::uint16_t glyph = 0;
  double xx = 1, xy = 0, yx = 0, yy = 1, dx = 0, dy = 0;
};

// A composite's components in order; false when its records run past its bytes.
bool ParseComponents(SfntBytes description, std::vector<Component>& components) {
  std::size_t at = 10;
  for (;;) {
    if (!description.Has(at, 4)) return false;
    const std::uint16_t flags = description.U16(at);
    Component component;
    component.glyph = description.U16(at + 2);
    at += 4;
    const std::size_t argBytes = (flags & kArgsAreWords) ? 4 : 2;
    if (!description.Has(at, argBytes)) return false;
    // Point-matched components (no offsets) sit where their parent is.
    if (flags & kArgsAreOffsets) {
      component.dx = (flags & kArgsAreWords) ? description.S16(at)
                                             : static_cast<std::int8_t>(description.U8(at));
      component.dy = (flags & kArgsAreWords) ? description.S16(at + 2)
                                             : static_cast<std::int8_t>(description.U8(at + 1));
    }
    at += argBytes;
    if (flags & kHasScale) {
      component.xx = component.yy = F2Dot14(description.S16(at));
      at += 2;
    } else if (flags & kHasXYScale) {
      component.xx = F2Dot14(description.S16(at));
      component.yy = F2Dot14(description.S16(at + 2));
      at += 4;
    } else if (flags & kHasTwoByTwo) {
      component.xx = F2Dot14(description.S16(at));
      component.yx = F2Dot14(description.S16(at + 2));
      component.xy = F2Dot14(description.S16(at + 4));
      component.yy = F2Dot14(description.S16(at + 6));
      at += 8;
    }
    if (at > description.size()) return false;
    components.push_back(component);
    if (!(flags & kMoreComponents)) return true;
  }
}

}  // namespace

TrueTypeGlyphs::TrueTypeGlyphs(SfntBytes loca, SfntBytes glyf, bool longOffsets,
                               std::uint16_t glyphCount)
    : m_loca(loca), m_glyf(glyf), m_longOffsets(longOffsets) {
  const std::size_t entries = loca.size() / (longOffsets ? 4 : 2);
  m_count =
      static_cast<std::uint16_t>(std::min<std::size_t>(glyphCount, entries > 0 ? entries - 1 : 0));
}

SfntBytes TrueTypeGlyphs::Description(std::uint16_t glyph) const {
  if (glyph >= m_count) return {};
  const std::size_t start = m_longOffsets ? m_loca.U32(4 * glyph) : 2u * m_loca.U16(2 * glyph);
  const std::size_t end =
      m_longOffsets ? m_loca.U32(4 * glyph + 4) : 2u * m_loca.U16(2 * glyph + 2);
  // Shorter than a header is no outline (an empty glyph has start == end).
  if (end <= start || end - start < 10) return {};
  return m_glyf.Part(start, end - start);
}

std::vector<std::uint16_t> TrueTypeGlyphs::Components(std::uint16_t glyph) const {
  std::vector<std::uint16_t> glyphs;
  const SfntBytes description = Description(glyph);
  std::vector<Component> components;
  if (description.S16(0) >= 0 || !ParseComponents(description, components)) return glyphs;
  for (const Component& component : components) glyphs.push_back(component.glyph);
  return glyphs;
}

bool TrueTypeGlyphs::Intact(std::uint16_t glyph) const {
  const SfntBytes description = Description(glyph);
  if (description.empty()) return false;
  if (description.S16(0) < 0) {
    std::vector<Component> components;
    return ParseComponents(description, components);
  }
  std::size_t budget = kMaxPoints;
  std::vector<Contour> contours;
  return SimpleContours(description, Transform(), budget, contours);
}

bool TrueTypeGlyphs::SimpleContours(SfntBytes description, const Transform& transform,
                                    std::size_t& budget, std::vector<Contour>& contours) {
  const std::size_t contourCount = static_cast<std::size_t>(description.S16(0));
  const std::size_t instructionsAt = 10 + 2 * contourCount;
  if (!description.Has(10, 2 * contourCount + 2)) return false;
  const std::size_t pointCount = contourCount == 0 ? 0 : description.U16(instructionsAt - 2) + 1u;
  if (pointCount > budget) return false;
  budget -= pointCount;
  std::vector<std::uint8_t> flags;
  flags.reserve(pointCount);
  std::size_t at = instructionsAt + 2 + description.U16(instructionsAt);
  while (flags.size() < pointCount) {
    if (!description.Has(at, 1)) return false;
    const std::uint8_t flag = description.U8(at++);
    std::size_t repeat = 1;
    if (flag & kRepeat) {
      if (!description.Has(at, 1)) return false;
      repeat += description.U8(at++);
    }
    flags.insert(flags.end(), std::min(repeat, pointCount - flags.size()), flag);
  }
  std::vector<Point> points(pointCount);
  for (int axis = 0; axis < 2; ++axis) {
    const std::uint8_t shortBit = axis == 0 ? kXShort : kYShort;
    const std::uint8_t sameBit = axis == 0 ? kXSameOrPositive : kYSameOrPositive;
    int value = 0;
    for (std::size_t i = 0; i < pointCount; ++i) {
      if (flags[i] & shortBit) {
        if (!description.Has(at, 1)) return false;
        const int delta = description.U8(at++);
        value += (flags[i] & sameBit) ? delta : -delta;
      } else if (!(flags[i] & sameBit)) {
        if (!description.Has(at, 2)) return false;
        value += description.S16(at);
        at += 2;
      }
      (axis == 0 ? points[i].x : points[i].y) = value;
      points[i].onCurve = flags[i] & kOnCurve;
    }
  }
  std::size_t first = 0;
  for (std::size_t c = 0; c < contourCount; ++c) {
    const std::size_t last = description.U16(10 + 2 * c);
    // End points ascend; a contour ending before it starts is damage.
    if (last < first || last >= pointCount) return false;
    Contour contour;
    for (std::size_t i = first; i <= last; ++i) {
      const Point& p = points[i];
      contour.push_back({transform.xx * p.x + transform.xy * p.y + transform.dx,
                         transform.yx * p.x + transform.yy * p.y + transform.dy, p.onCurve});
    }
    contours.push_back(std::move(contour));
    first = last + 1;
  }
  return true;
}

void TrueTypeGlyphs::Collect(std::uint16_t glyph, const Transform& transform, int depth,
                             std::size_t& budget, std::vector<Contour>& contours) const {
  const SfntBytes description = Description(glyph);
  if (description.empty()) return;
  if (description.S16(0) >= 0) {
    std::vector<Contour> own;
    if (SimpleContours(description, transform, budget, own))
      contours.insert(contours.end(), own.begin(), own.end());
    return;
  }
  std::vector<Component> components;
  // A damaged composite draws nothing, as a damaged simple glyph does.
  if (depth >= kMaxDepth || !ParseComponents(description, components)) return;
  for (const Component& c : components) {
    if (budget == 0) return;
    --budget;
    // The component's transform first, then the parent's.
    Transform combined;
    combined.xx = transform.xx * c.xx + transform.xy * c.yx;
    combined.xy = transform.xx * c.xy + transform.xy * c.yy;
    combined.yx = transform.yx * c.xx + transform.yy * c.yx;
    combined.yy = transform.yx * c.xy + transform.yy * c.yy;
    combined.dx = transform.xx * c.dx + transform.xy * c.dy + transform.dx;
    combined.dy = transform.yx * c.dx + transform.yy * c.dy + transform.dy;
    Collect(c.glyph, combined, depth + 1, budget, contours);
  }
}

PathShape TrueTypeGlyphs::Outline(std::uint16_t glyph, double scale) const {
  std::vector<Contour> contours;
  std::size_t budget = kMaxPoints;
  Collect(glyph, Transform(), 0, budget, contours);
  PathShape out;
  const auto at = [scale](double x, double y) { return PointD{x * scale, y * scale}; };
  for (const Contour& contour : contours) {
    if (contour.size() < 2) continue;
    const std::size_t n = contour.size();
    // Start on a point on the curve, or midway between two controls.
    std::size_t next = 1;
    Point start = contour[0];
    if (!start.onCurve) {
      const Point& last = contour[n - 1];
      if (last.onCurve)
        start = last;
      else
        start = {(last.x + start.x) / 2, (last.y + start.y) / 2, true};
      next = 0;
    }
    const std::size_t stop = (!contour[0].onCurve && contour[n - 1].onCurve) ? n - 1 : n;
    out.MoveTo(at(start.x, start.y));
    Point current = start;
    bool pending = false;
    Point control{};
    const auto quadTo = [&](const Point& c, const Point& to) {
      out.CurveTo(at(current.x + 2.0 / 3 * (c.x - current.x), current.y + 2.0 / 3 * (c.y - current.y)),
                  at(to.x + 2.0 / 3 * (c.x - to.x), to.y + 2.0 / 3 * (c.y - to.y)), at(to.x, to.y));
      current = to;
    };
    for (std::size_t i = next; i < stop; ++i) {
      const Point& p = contour[i];
      if (p.onCurve) {
        if (pending)
          quadTo(control, p);
        else {
          out.LineTo(at(p.x, p.y));
          current = p;
        }
        pending = false;
      } else {
        if (pending) quadTo(control, {(control.x + p.x) / 2, (control.y + p.y) / 2, true});
        control = p;
        pending = true;
      }
    }
    if (pending) quadTo(control, start);
    out.Close();
  }
  return out;
}
