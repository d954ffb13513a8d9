#pragma once

#include <cstddef>
#include <cstdint>

// A box in a page's frame units (0.01 mm), from the frame's top-left corner.
struct InkBox {
  double left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return !(left < right && top < bottom); }
  void Join(const InkBox& other);
};

// What a page shows, read once from its metafile: whether anything visible is drawn, the
// box that holds its ink and the em height of its smallest text. A portable core: it reads
// bytes, so the sheet, the status bar and the layout choice share one rule.
struct PageMeasure {
  // The frame's size, 0.01 mm.
  double frameWidth = 0, frameHeight = 0;
  // Nothing is drawn, or only white (paper-coloured fills, white text and lines).
  bool blank = true;
  // The ink, held to the frame; the whole frame where a drawing's extent is unknown.
  InkBox ink;
  // The smallest em height of visible text, 0.01 mm on the page's paper; 0 for no text.
  double smallestText = 0;
};

// The measure of a page's metafile bytes; a page that cannot be read counts as drawn all
// over (never left out, never trimmed).
PageMeasure MeasurePage(const std::uint8_t* emf, std::size_t size);

// A font record's lfHeight that is positive asks for a cell height (ascent plus descent);
// the usual TrueType faces have an em of about nine tenths of it.
constexpr double kEmPerCellHeight = 0.9;
