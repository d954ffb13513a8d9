#include "content_stream.h"

#include "pdf_syntax.h"

std::string PdfColour(Rgb colour) {
  return PdfNumber(colour.r / 255.0) + " " + PdfNumber(colour.g / 255.0) + " " + PdfNumber(colour.b / 255.0);
}

void ContentStream::Forget() { m_fillKnown = m_strokeKnown = m_styleKnown = false; }

void ContentStream::UseClip(const ClipState& clip) {
  const std::uint64_t id = clip.clipped ? clip.id : 0;
  if (id == m_clipId) return;
  m_clipId = id;
  m_text += "Q q\n";
  Forget();
  if (!clip.clipped) return;
  std::string boxes;
  for (const BoxD& box : clip.region.Boxes())
    boxes += PdfRectangle(box.left, box.bottom, box.right, box.top);
  // An empty region shows nothing: a clip of no area.
  m_text += boxes.empty() ? "0 0 0 0 re W n\n" : boxes + "W n\n";
  for (const ClipLayer& layer : clip.layers)
    m_text += layer.path.Empty() ? "0 0 0 0 re W n\n" : layer.path.Operators() + (layer.evenOdd ? "W* n\n" : "W n\n");
}

void ContentStream::FillColour(Rgb colour) {
  if (m_fillKnown && m_fillPattern.empty() && m_fill == colour) return;
  m_text += PdfColour(colour) + " rg\n";
  m_fill = colour;
  m_fillPattern.clear();
  m_fillKnown = true;
}

void ContentStream::StrokeColour(Rgb colour) {
  if (m_strokeKnown && m_stroke == colour) return;
  m_text += PdfColour(colour) + " RG\n";
  m_stroke = colour;
  m_strokeKnown = true;
}

void ContentStream::FillPattern(const std::string& name, Rgb colour) {
  if (m_fillKnown && m_fillPattern == name && m_fill == colour) return;
  m_text += "/CsP cs " + PdfColour(colour) + " " + name + " scn\n";
  m_fill = colour;
  m_fillPattern = name;
  m_fillKnown = true;
}

void ContentStream::FillPattern(const std::string& name) {
  if (m_fillKnown && m_fillPattern == name) return;
  m_text += "/Pattern cs " + name + " scn\n";
  m_fillPattern = name;
  m_fillKnown = true;
}

void ContentStream::Stroke(const StrokeStyle& style) {
  if (m_styleKnown && m_style == style) return;
  std::string dashes;
  for (double dash : style.dashes) dashes += PdfNumber(dash) + " ";
  m_text += PdfPoints(style.width) + " w " + std::to_string(style.cap) + " J " + std::to_string(style.join) + " j " +
            PdfNumber(style.miterLimit) + " M [" + dashes + "] 0 d\n";
  m_style = style;
  m_styleKnown = true;
}

std::string ContentStream::Finish() {
  m_text += "Q\n";
  return std::move(m_text);
}
