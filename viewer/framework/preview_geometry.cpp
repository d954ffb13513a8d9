#include "preview_geometry.h"

#include <algorithm>
#include <cmath>

#include "formatted_text.h"
#include "preview_texts.h"
#include "scroll_metrics.h"

namespace {

constexpr int kPreviewGap = 2 * kPreviewMargin;

double ZoomFactor(PreviewZoom zoom) {
  switch (zoom) {
    case PreviewZoom::Closer: return 2.0;
    case PreviewZoom::Closest: return 4.0;
    default: return 1.0;
  }
}

LONG Scaled(LONG value, double scale) { return static_cast<LONG>(std::lround(value * scale)); }

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

PreviewZoom ZoomedIn(PreviewZoom zoom) {
  return zoom == PreviewZoom::Whole ? PreviewZoom::Closer : PreviewZoom::Closest;
}

PreviewZoom ZoomedOut(PreviewZoom zoom) {
  return zoom == PreviewZoom::Closest ? PreviewZoom::Closer : PreviewZoom::Whole;
}

PrinterPage MarginlessPaper(SIZE tenthsMm) {
  return PrinterPage{tenthsMm, POINT{0, 0}, tenthsMm};
}

PreviewLayout LayOutPreview(SIZE client, SIZE paper, int pagesShown, PreviewZoom zoom) {
  PreviewLayout layout = {};
  layout.count = std::clamp(pagesShown, 1, 2);
  if (paper.cx <= 0 || paper.cy <= 0) {
    layout.total = client;
    return layout;
  }
  const int gaps = 2 * kPreviewMargin + (layout.count - 1) * kPreviewGap;
  const double fitWidth =
      std::max(1.0, static_cast<double>(client.cx - gaps) / layout.count) / paper.cx;
  const double fitHeight =
      std::max(1.0, static_cast<double>(client.cy - 2 * kPreviewMargin)) / paper.cy;
  const double scale = std::min(fitWidth, fitHeight) * ZoomFactor(zoom);
  const SIZE shown = {std::max<LONG>(1, Scaled(paper.cx, scale)),
                      std::max<LONG>(1, Scaled(paper.cy, scale))};
  const SIZE content = {layout.count * shown.cx + gaps, shown.cy + 2 * kPreviewMargin};
  layout.total = {std::max(content.cx, client.cx), std::max(content.cy, client.cy)};
  const int left = (layout.total.cx - content.cx) / 2 + kPreviewMargin;
  const int top = (layout.total.cy - content.cy) / 2 + kPreviewMargin;
  for (int i = 0; i < layout.count; ++i) {
    const int x = left + i * (shown.cx + kPreviewGap);
    layout.papers[i] = RECT{x, top, x + shown.cx, top + shown.cy};
  }
  return layout;
}

RECT PrintableRectOnScreen(const RECT& paperRect, const PrinterPage& page) {
  if (page.paper.cx <= 0 || page.paper.cy <= 0) return paperRect;
  const double scaleX = static_cast<double>(Width(paperRect)) / page.paper.cx;
  const double scaleY = static_cast<double>(Height(paperRect)) / page.paper.cy;
  return RECT{paperRect.left + Scaled(page.offset.x, scaleX),
              paperRect.top + Scaled(page.offset.y, scaleY),
              paperRect.left + Scaled(page.offset.x + page.printable.cx, scaleX),
              paperRect.top + Scaled(page.offset.y + page.printable.cy, scaleY)};
}

POINT ScrollAfterZoom(const PreviewLayout& before, POINT scroll, const POINT* click,
                      const PreviewLayout& after, SIZE client) {
  int paper = 0;
  double fx = 0.5;
  double fy = 0.5;
  if (click) {
    const POINT at = {click->x + scroll.x, click->y + scroll.y};
    for (int i = 0; i < before.count; ++i) {
      const RECT& r = before.papers[i];
      if (!PtInRect(&r, at)) continue;
      paper = i;
      fx = static_cast<double>(at.x - r.left) / std::max(1, Width(r));
      fy = static_cast<double>(at.y - r.top) / std::max(1, Height(r));
      break;
    }
  }
  paper = std::min(paper, after.count - 1);
  const RECT& target = after.papers[paper];
  const LONG x = target.left + Scaled(Width(target), fx) - client.cx / 2;
  const LONG y = target.top + Scaled(Height(target), fy) - client.cy / 2;
  return POINT{std::clamp<LONG>(x, 0, MaxScrollPosition(after.total.cx, client.cx)),
               std::clamp<LONG>(y, 0, MaxScrollPosition(after.total.cy, client.cy))};
}

int PagesShown(UINT current, UINT maxPage, bool twoPages) {
  return twoPages && current < maxPage ? 2 : 1;
}

bool CanShowNextPage(UINT current, UINT maxPage, bool twoPages) {
  return current + static_cast<UINT>(PagesShown(current, maxPage, twoPages)) - 1 < maxPage;
}

bool CanShowPrevPage(UINT current, UINT minPage) { return current > minPage; }

bool CanTogglePages(UINT minPage, UINT maxPage, bool twoPages) {
  return twoPages || maxPage > minPage;
}

UINT ClampCurrentPage(UINT current, UINT minPage, UINT maxPage, bool twoPages) {
  UINT clamped = std::clamp(current, minPage, std::max(minPage, maxPage));
  if (twoPages && clamped == maxPage && clamped > minPage) --clamped;
  return clamped;
}

std::string PreviewStatusText(UINT current, int shown) {
  return shown > 1 ? FormatText(kPreviewPagesFormat, current, current + 1)
                   : FormatText(kPreviewPageFormat, current);
}
