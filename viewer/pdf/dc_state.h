#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "clip_region.h"
#include "dc_mapping.h"
#include "font_face.h"
#include "image.h"
#include "path_shape.h"

struct PenSpec {
  std::uint32_t style = 0;  // PS_* style, cap, join and type bits
  double width = 0;         // logical units; 0 draws one device pixel
  bool extended = false;    // EXTCREATEPEN: only PS_GEOMETRIC pens have a logical width
  Rgb colour{0, 0, 0};
  std::vector<double> userStyle;
  // A hatched or pattern brush as a pen: drawn as a picture.
  bool patterned = false;
};

struct BrushSpec {
  std::uint32_t style = 0;  // BS_*
  Rgb colour{255, 255, 255};
  std::uint32_t hatch = 0;
  // A pattern brush's bitmap: its BITMAPINFO and bits, decoded when it fills (a monochrome
  // one takes the text and background colours then).
  std::shared_ptr<const std::vector<std::uint8_t>> info, bits;
};

struct FontSpec {
  FontRequest request;
  double height = 0, width = 0, escapement = 0;
  bool underline = false, strikeOut = false;
  // The height and width are device pixels, whatever the mapping: a stock font's are.
  bool devicePixels = false;
};

// The clip in page space: no clip at all, or boxes intersected with path layers. Every
// change takes a fresh id, so the content writer re-emits the clip only when it differs.
struct ClipLayer {
  PathShape path;
  bool evenOdd = false;
};

struct ClipState {
  bool clipped = false;
  BoxRegion region;
  std::vector<ClipLayer> layers;
  std::uint64_t id = 0;
};

// What SAVEDC keeps and RESTOREDC brings back.
struct DcState {
  DcMapping mapping;
  PenSpec pen;
  BrushSpec brush;
  FontSpec font;
  Rgb textColour{0, 0, 0}, backgroundColour{255, 255, 255};
  std::uint32_t backgroundMode = 2;  // OPAQUE
  std::uint32_t polyFillMode = 1;    // ALTERNATE
  std::uint32_t textAlign = 0;
  std::uint32_t arcDirection = 1;    // AD_COUNTERCLOCKWISE
  std::uint32_t rop2 = 13;           // R2_COPYPEN
  double miterLimit = 10;
  PointD position;                   // logical units
  ClipState clip;
};

// One entry of the metafile's object table.
struct GdiObject {
  enum Kind { kNone, kPen, kBrush, kFont, kOther } kind = kNone;
  PenSpec pen;
  BrushSpec brush;
  FontSpec font;
};

// The stock object `index` (the low bits of 0x80000000 | n) as a table entry.
GdiObject StockObject(std::uint32_t index);
