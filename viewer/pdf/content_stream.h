#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dc_state.h"
#include "image.h"

// The line style a stroke is drawn with, in PDF points.
struct StrokeStyle {
  double width = 0;
  int cap = 0, join = 0;
  double miterLimit = 10;
  std::vector<double> dashes;
  bool operator==(const StrokeStyle& other) const {
    return width == other.width && cap == other.cap && join == other.join && miterLimit == other.miterLimit &&
           dashes == other.dashes;
  }
};

// One page's content stream. The whole stream is one q ... Q; a clip change closes the
// group and opens another with the new clip, since PDF clips only ever shrink. Colours and
// line styles are written only when they change.
class ContentStream {
 public:
  ContentStream() : m_text("q\n") {}

  // Makes `clip` the clip in force.
  void UseClip(const ClipState& clip);
  void FillColour(Rgb colour);
  void StrokeColour(Rgb colour);
  // A fill with an uncoloured tiling pattern of the page's resources.
  void FillPattern(const std::string& name, Rgb colour);
  void Stroke(const StrokeStyle& style);
  void Raw(const std::string& text) { m_text += text; }
  // Operators inside q ... Q of their own: what they set ends with them.
  void Isolated(const std::string& text) { m_text += "q\n" + text + "Q\n"; }

  // The finished stream; the writer takes nothing more.
  std::string Finish();

 private:
  void Forget();

  std::string m_text;
  std::uint64_t m_clipId = 0;
  bool m_fillKnown = false, m_strokeKnown = false, m_styleKnown = false;
  Rgb m_fill{0, 0, 0}, m_stroke{0, 0, 0};
  std::string m_fillPattern;
  StrokeStyle m_style;
};

// "r g b" of a colour, for rg and RG.
std::string PdfColour(Rgb colour);
