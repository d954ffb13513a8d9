#include "dc_state.h"

#include "emf_types.h"

namespace {

GdiObject Brush(std::uint32_t style, std::uint8_t grey) {
  GdiObject object;
  object.kind = GdiObject::kBrush;
  object.brush.style = style;
  object.brush.colour = {grey, grey, grey};
  return object;
}

GdiObject Pen(std::uint32_t style, std::uint8_t grey) {
  GdiObject object;
  object.kind = GdiObject::kPen;
  object.pen.style = style;
  object.pen.colour = {grey, grey, grey};
  return object;
}

GdiObject Font(const char16_t* face, double height, std::uint8_t charset) {
  GdiObject object;
  object.kind = GdiObject::kFont;
  object.font.request.faceName = face;
  object.font.request.charset = charset;
  object.font.height = height;
  // The platform draws the stock fonts at their own pixel size under any mapping, as the
  // one-size bitmap faces they stand for always were.
  object.font.devicePixels = true;
  return object;
}

}  // namespace

GdiObject StockObject(std::uint32_t index) {
  constexpr std::uint8_t kAnsi = 0, kOem = 255;
  switch (index) {
    case 0: return Brush(kBsSolid, 255);
    case 1: return Brush(kBsSolid, 192);
    case 2: return Brush(kBsSolid, 128);
    case 3: return Brush(kBsSolid, 64);
    case 4: return Brush(kBsSolid, 0);
    case 5: return Brush(kBsNull, 0);
    case 6: return Pen(kPsSolid, 255);
    case 7: return Pen(kPsSolid, 0);
    case 8: return Pen(kPsNull, 0);
    case 10: return Font(u"Terminal", 12, kOem);
    case 11: return Font(u"Courier", 13, kAnsi);
    case 12: return Font(u"MS Sans Serif", 13, kAnsi);
    case 13: return Font(u"System", 16, kAnsi);
    case 14: return Font(u"System", 16, kAnsi);
    case 16: return Font(u"Fixedsys", 15, kAnsi);
    case 17: return Font(u"MS Shell Dlg", -11, kAnsi);
    case 18: return Brush(kBsSolid, 255);
    case 19: return Pen(kPsSolid, 0);
    default: {
      GdiObject other;
      other.kind = GdiObject::kOther;
      return other;
    }
  }
}
