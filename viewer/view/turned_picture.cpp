#include "turned_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "dib_info.h"
#include "framework/gdi_holders.h"
#include "page_playback.h"

namespace {

HBITMAP CreateWhiteBitmap(HDC dc, int width, int height, std::uint32_t*& bits) {
  const BITMAPINFO info = TopDown32BitInfo(width, height);
  void* pixels = nullptr;
  HBITMAP bitmap = dc ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0) : nullptr;
  bits = bitmap ? static_cast<std::uint32_t*>(pixels) : nullptr;
  if (bits) std::fill(bits, bits + static_cast<size_t>(width) * height, 0xFFFFFFu);
  return bitmap;
}

// A white 32-bit bitmap selected into a memory DC of its own; bits null when none.
struct PixelCanvas {
  PixelCanvas(int width, int height)
      : dc(nullptr),
        bitmap(CreateWhiteBitmap(dc.get(), width, height, bits)),
        selected(dc.get(), bitmap.get()) {}
  CMemoryDC dc;
  std::uint32_t* bits = nullptr;
  CGdiObject<HBITMAP> bitmap;
  CScopedSelect selected;
};

}  // namespace

void TurnPixels(const std::uint32_t* upright, int width, int height, int quarterTurns,
                std::uint32_t* turned) {
  const int turns = ((quarterTurns % 4) + 4) % 4;
  const int turnedWidth = turns % 2 ? height : width;
  const int turnedHeight = turns % 2 ? width : height;
  for (int y = 0; y < turnedHeight; ++y) {
    for (int x = 0; x < turnedWidth; ++x) {
      int fromX = x;
      int fromY = y;
      switch (turns) {
        case 1: fromX = y; fromY = height - 1 - x; break;
        case 2: fromX = width - 1 - x; fromY = height - 1 - y; break;
        case 3: fromX = width - 1 - y; fromY = x; break;
        default: break;
      }
      turned[static_cast<size_t>(y) * turnedWidth + x] =
          upright[static_cast<size_t>(fromY) * width + fromX];
    }
  }
}

bool DrawTurnedPicture(HDC dc, const PageEntry& entry, const RECT& area, const PageTrim& trim) {
  POINT corners[2] = {{area.left, area.top}, {area.right, area.bottom}};
  LPtoDP(dc, corners, 2);
  double width = std::abs(corners[1].x - corners[0].x);
  double height = std::abs(corners[1].y - corners[0].y);
  if (width < 1 || height < 1) return true;
  const double scale = std::min(1.0, std::sqrt(kMaxTurnedPixels / (width * height)));
  const int turnedWidth = std::max(1, static_cast<int>(width * scale));
  const int turnedHeight = std::max(1, static_cast<int>(height * scale));
  const bool sideways = entry.quarterTurns % 2 != 0;
  const int uprightWidth = sideways ? turnedHeight : turnedWidth;
  const int uprightHeight = sideways ? turnedWidth : turnedHeight;

  PixelCanvas upright(uprightWidth, uprightHeight);
  PixelCanvas turned(turnedWidth, turnedHeight);
  if (!upright.bits || !turned.bits) return false;
  PlayPageMetafile(upright.dc.get(), entry.hMetaFile,
                   PlayedRect(RECT{0, 0, uprightWidth, uprightHeight}, trim));
  GdiFlush();
  TurnPixels(upright.bits, uprightWidth, uprightHeight, entry.quarterTurns, turned.bits);
  const BITMAPINFO info = TopDown32BitInfo(turnedWidth, turnedHeight);
  const int copied =
      StretchDIBits(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, 0, 0,
                    turnedWidth, turnedHeight, turned.bits, &info, DIB_RGB_COLORS, SRCCOPY);
  return copied != 0 && copied != static_cast<int>(GDI_ERROR);
}
