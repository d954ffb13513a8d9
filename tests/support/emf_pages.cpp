#include "emf_pages.h"

#include <windows.h>

#include <stdexcept>

Bytes DrawEmfPage(const PageDrawing& drawing) {
  const RECT frame = {0, 0, drawing.widthHundredthsMm, drawing.heightHundredthsMm};
  // The description is two strings ended by a double 0; "" leaves it out.
  const std::string description = drawing.description + '\0' + drawing.label + '\0';
  const HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame,
                                    drawing.description.empty() ? nullptr : description.c_str());
  if (!dc) throw std::runtime_error("CreateEnhMetaFileA failed");
  SetMapMode(dc, MM_HIMETRIC);
  // A border and the label, so pages differ and playback has something to draw.
  Rectangle(dc, 500, -500, drawing.widthHundredthsMm - 500, -(drawing.heightHundredthsMm - 500));
  TextOutA(dc, 2000, -2000, drawing.label.c_str(), static_cast<int>(drawing.label.size()));
  static const char kBodyLine[] = "The quick brown fox jumps over the lazy dog.";
  for (int line = 0; line < drawing.textLines; ++line)
    TextOutA(dc, 2000, -3000 - 130 * line, kBodyLine, static_cast<int>(sizeof kBodyLine - 1));
  const HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  if (!metafile) throw std::runtime_error("CloseEnhMetaFile failed");
  Bytes bytes(GetEnhMetaFileBits(metafile, 0, nullptr));
  GetEnhMetaFileBits(metafile, static_cast<UINT>(bytes.size()), bytes.data());
  DeleteEnhMetaFile(metafile);
  return bytes;
}
