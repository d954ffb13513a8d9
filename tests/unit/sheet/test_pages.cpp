#include "test_pages.h"

#include <stdexcept>

namespace {

// Frames in 0.01 mm for a page of the given proportions.
constexpr int kHundredthsMmPerUnit = 100;

HENHMETAFILE RecordPage(int width, int height, const COLORREF* fill) {
  const RECT frame = {0, 0, width * kHundredthsMmPerUnit, height * kHundredthsMmPerUnit};
  const HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  if (!dc) throw std::runtime_error("CreateEnhMetaFileA failed");
  SetMapMode(dc, MM_HIMETRIC);
  if (fill) {
    const HBRUSH brush = CreateSolidBrush(*fill);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    // The null pen leaves the right and bottom edge out; one unit more covers the frame.
    Rectangle(dc, 0, 0, frame.right + 1, -(frame.bottom + 1));
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
  } else {
    // A metafile needs one record of drawing to be played at all; this one paints nothing.
    MoveToEx(dc, 0, 0, nullptr);
  }
  const HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  if (!metafile) throw std::runtime_error("CloseEnhMetaFile failed");
  return metafile;
}

}  // namespace

TestPages::~TestPages() {
  for (const PageEntry& entry : m_entries) {
    if (entry.hMetaFile) DeleteEnhMetaFile(entry.hMetaFile);
  }
}

void TestPages::AddSolid(int width, int height, COLORREF colour) {
  m_entries.push_back({RecordPage(width, height, &colour), width, height});
}

void TestPages::AddBlank(int width, int height) {
  m_entries.push_back({RecordPage(width, height, nullptr), width, height});
}

void TestPages::AddBlanks(int count) {
  for (int i = 0; i < count; ++i) AddBlank(210, 297);
}

void TestPages::AddWithoutMetafile(int width, int height) {
  m_entries.push_back({nullptr, width, height});
}
