#include "test_pages.h"

#include <stdexcept>
#include <utility>

#include "emf_pages.h"

namespace {

// Where the header record keeps the picture's bounds.
constexpr std::size_t kBoundsOffset = 8;

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

HENHMETAFILE FromBytes(const Bytes& bytes) {
  const HENHMETAFILE metafile = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
  if (!metafile) throw std::runtime_error("SetEnhMetaFileBits failed");
  return metafile;
}

HENHMETAFILE RecordSpillingPage() {
  const RECT frame = {0, 0, 100 * kHundredthsMmPerUnit, 100 * kHundredthsMmPerUnit};
  const HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  if (!dc) throw std::runtime_error("CreateEnhMetaFileA failed");
  SetMapMode(dc, MM_HIMETRIC);
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Rectangle(dc, frame.right * 5 / 4, -frame.bottom * 5 / 4, frame.right * 7 / 4,
            -frame.bottom * 7 / 4);
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

void TestPages::AddInset(int width, int height) {
  const RECT frame = {0, 0, width * kHundredthsMmPerUnit, height * kHundredthsMmPerUnit};
  const HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  if (!dc) throw std::runtime_error("CreateEnhMetaFileA failed");
  SetMapMode(dc, MM_HIMETRIC);
  const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
  const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, 0, 0, frame.right + 1, -(frame.bottom + 1));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  Rectangle(dc, frame.right * 2 / 5, -frame.bottom * 2 / 5, frame.right * 3 / 5,
            -frame.bottom * 3 / 5);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  const HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  if (!metafile) throw std::runtime_error("CloseEnhMetaFile failed");
  m_entries.push_back({metafile, width, height});
}

void TestPages::AddTopAndBottom(int width, int height, COLORREF top, COLORREF bottom) {
  const RECT frame = {0, 0, width * kHundredthsMmPerUnit, height * kHundredthsMmPerUnit};
  const HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  if (!dc) throw std::runtime_error("CreateEnhMetaFileA failed");
  SetMapMode(dc, MM_HIMETRIC);
  const LONG middle = -frame.bottom / 2;
  for (const auto& band : {std::make_pair(top, RECT{0, 0, frame.right + 1, middle}),
                           std::make_pair(bottom, RECT{0, middle, frame.right + 1,
                                                       -(frame.bottom + 1)})}) {
    const HBRUSH brush = CreateSolidBrush(band.first);
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, band.second.left, band.second.top, band.second.right, band.second.bottom);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
  }
  const HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  if (!metafile) throw std::runtime_error("CloseEnhMetaFile failed");
  m_entries.push_back({metafile, width, height});
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

void TestPages::AddLabelled(const std::string& label) {
  PageDrawing drawing;
  drawing.label = label;
  m_entries.push_back({FromBytes(DrawEmfPage(drawing)), 210, 297});
}

void TestPages::AddSpilling(bool hideSpill) {
  const HENHMETAFILE recorded = RecordSpillingPage();
  if (!hideSpill) {
    m_entries.push_back({recorded, 100, 100});
    return;
  }
  Bytes bytes(GetEnhMetaFileBits(recorded, 0, nullptr));
  GetEnhMetaFileBits(recorded, static_cast<UINT>(bytes.size()), bytes.data());
  DeleteEnhMetaFile(recorded);
  for (std::size_t i = 0; i < 4; ++i) PutU32(bytes, kBoundsOffset + 4 * i, 0);
  m_entries.push_back({FromBytes(bytes), 100, 100});
}

