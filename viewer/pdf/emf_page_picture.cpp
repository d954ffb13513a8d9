// What PDF cannot express, drawn by the platform as a picture of just that part.
#include <algorithm>
#include <cmath>

#include "emf_page.h"
#include "pdf_image.h"
#include "pdf_sheets_writer.h"
#include "pdf_syntax.h"

void EmfPage::Picture(const EmfRecord& record) {
  BoxD area = m_page;
  if (HasBounds(record.Type()) && record.I32(16) >= record.I32(8) && record.I32(20) >= record.I32(12))
    area = DeviceBox(record, 8, true);
  else if (m_dc.clip.clipped)
    area = m_dc.clip.region.Extent();
  PictureOf(record, area);
}

void EmfPage::PictureOf(const EmfRecord& record, BoxD area) {
  area = {std::max(area.left, m_page.left), std::max(area.bottom, m_page.bottom),
          std::min(area.right, m_page.right), std::min(area.top, m_page.top)};
  if (area.Empty()) return;
  // The page's points back to the frame's hundredths of a millimetre.
  const double frameWidth = std::max(1.0, double(m_header.frame[2]) - m_header.frame[0]);
  const double frameHeight = std::max(1.0, double(m_header.frame[3]) - m_header.frame[1]);
  FrameArea frame;
  frame.left = m_header.frame[0] + area.left * frameWidth / m_page.right;
  frame.right = m_header.frame[0] + area.right * frameWidth / m_page.right;
  frame.top = m_header.frame[1] + (m_page.top - area.top) * frameHeight / m_page.top;
  frame.bottom = m_header.frame[1] + (m_page.top - area.bottom) * frameHeight / m_page.top;
  const double dpi = std::max(1, std::min(m_context.choices.dpi, 2400));
  const auto pixels = [dpi](double points) {
    return static_cast<std::uint32_t>(std::max(1.0, std::min(40000.0, std::ceil(points / 72 * dpi))));
  };
  DecodedDib picture;
  if (!m_context.pictures.Draw(record.Index(), frame, pixels(area.right - area.left), pixels(area.top - area.bottom),
                               picture.image))
    return;
  if (picture.image.width == 0 || picture.image.height == 0 ||
      picture.image.rgb.size() != std::size_t(picture.image.width) * picture.image.height * 3)
    return;
  PlaceImage(picture, {area.left, area.top}, {area.right, area.top}, {area.left, area.bottom});
}

void EmfPage::PlaceImage(const DecodedDib& picture, PointD topLeft, PointD topRight, PointD bottomLeft) {
  const double width = std::hypot(topRight.x - topLeft.x, topRight.y - topLeft.y);
  const double height = std::hypot(bottomLeft.x - topLeft.x, bottomLeft.y - topLeft.y);
  if (!(width > 0) || !(height > 0)) return;
  std::uint32_t number = 0;
  if (PdfImageObjectCount(picture) == 1) {
    // An image without a mask names no other object: its bytes alone tell it from others.
    PdfObject image = PdfImageObjects(picture, width, height, m_context.choices, 0).front();
    number = m_context.images.Find(image.body);
    if (number == 0) {
      image.number = number = m_context.resources.Allocate(1);
      m_context.images.Remember(image);
      m_context.resources.Add(std::move(image));
    }
  } else {
    number = m_context.resources.Allocate(PdfImageObjectCount(picture));
    for (PdfObject& object : PdfImageObjects(picture, width, height, m_context.choices, number))
      m_context.resources.Add(std::move(object));
  }
  const std::string name = m_context.resources.Image(number);
  // The image's unit square: its first row at the top edge, its first column at the left.
  const PointD across{topRight.x - topLeft.x, topRight.y - topLeft.y};
  const PointD up{topLeft.x - bottomLeft.x, topLeft.y - bottomLeft.y};
  m_content.UseClip(m_dc.clip);
  m_content.Isolated(PdfNumber(across.x) + " " + PdfNumber(across.y) + " " + PdfNumber(up.x) + " " +
                     PdfNumber(up.y) + " " + PdfPoints(bottomLeft.x) + " " + PdfPoints(bottomLeft.y) + " cm " +
                     name + " Do\n");
}
