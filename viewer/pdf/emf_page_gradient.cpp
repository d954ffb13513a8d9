// GRADIENTFILL's rectangles as axial shadings; its triangles as pictures.
#include "emf_page.h"
#include "emf_types.h"
#include "pdf_syntax.h"

namespace {

// A TRIVERTEX's colour, 16 bits a channel, as PDF's three numbers.
std::string VertexColour(const EmfRecord& record, std::size_t at) {
  return PdfNumber(record.U16(at + 8) / 65535.0) + " " + PdfNumber(record.U16(at + 10) / 65535.0) + " " +
         PdfNumber(record.U16(at + 12) / 65535.0);
}

}  // namespace

bool EmfPage::PlayGradient(const EmfRecord& record) {
  if (record.Type() != kEmrGradientFill) return false;
  const std::uint32_t vertices = record.U32(24), pieces = record.U32(28), mode = record.U32(32);
  const std::size_t piecesAt = 36 + std::size_t(vertices) * 16;
  if (m_dc.rop2 != kR2CopyPen || (mode != kGradientFillRectH && mode != kGradientFillRectV) ||
      !record.Has(36, std::size_t(vertices) * 16) || !record.Has(piecesAt, std::size_t(pieces) * 8)) {
    Picture(record);
    return true;
  }
  const Affine map = LogicalToPdf();
  std::string ops;
  for (std::uint32_t i = 0; i < pieces; ++i) {
    const std::uint32_t first = record.U32(piecesAt + std::size_t(i) * 8);
    const std::uint32_t second = record.U32(piecesAt + std::size_t(i) * 8 + 4);
    if (first >= vertices || second >= vertices) continue;
    const std::size_t a = 36 + std::size_t(first) * 16, b = 36 + std::size_t(second) * 16;
    const double x0 = record.I32(a), y0 = record.I32(a + 4), x1 = record.I32(b), y1 = record.I32(b + 4);
    PathShape box;
    box.AddRectangle(x0, y0, x1, y1);
    // The colour runs along one side of the rectangle and stays the same across it.
    const PointD from = map.Apply(x0, y0);
    const PointD to = mode == kGradientFillRectH ? map.Apply(x1, y0) : map.Apply(x0, y1);
    PdfObject shading;
    shading.number = m_context.resources.Allocate(1);
    const std::string body = "<< /ShadingType 2 /ColorSpace /DeviceRGB /Coords [" + PdfNumber(from.x) + " " +
                             PdfNumber(from.y) + " " + PdfNumber(to.x) + " " + PdfNumber(to.y) +
                             "] /Function << /FunctionType 2 /Domain [0 1] /C0 [" + VertexColour(record, a) +
                             "] /C1 [" + VertexColour(record, b) + "] /N 1 >> /Extend [true true] >>";
    shading.body.assign(body.begin(), body.end());
    ops += "q\n" + box.Mapped(map).Operators() + "W n\n" + m_context.resources.Shading(shading.number) + " sh\nQ\n";
    m_context.resources.Add(std::move(shading));
  }
  m_content.UseClip(m_dc.clip);
  m_content.Raw(ops);
  return true;
}
