#include "sheet_metafile.h"

#include <new>

#include "framework/gdi_holders.h"
#include "sheet_text_font.h"

namespace {

// The frame, in hundredths of a millimetre, of `pixels` of the reference device.
RECT FrameOfPixels(HDC reference, SIZE pixels) {
  return RECT{0, 0, MulDiv(pixels.cx, GetDeviceCaps(reference, HORZSIZE) * 100, GetDeviceCaps(reference, HORZRES)),
              MulDiv(pixels.cy, GetDeviceCaps(reference, VERTSIZE) * 100, GetDeviceCaps(reference, VERTRES))};
}

}  // namespace

HENHMETAFILE RecordSheet(const SheetDrawer& draw, int sheet, SIZE pixels, int dpi) {
  if (pixels.cx < 1 || pixels.cy < 1) return nullptr;
  // The screen, as for a picture of the sheet: a memory DC's fonts are the screen's.
  CClientDC screen(nullptr);
  if (!screen) return nullptr;
  CMetaFileDC recording(screen.get(), FrameOfPixels(screen.get(), pixels));
  if (!recording) return nullptr;
  {
    CGdiObject<HFONT> font(CreateSheetTextFont(dpi));
    CScopedSelect selected(recording.get(), font.get());
    draw(recording.get(), RECT{0, 0, pixels.cx, pixels.cy}, sheet);
  }
  return recording.Close();
}

bool MetafileBytes(HENHMETAFILE metafile, std::vector<std::uint8_t>& bytes) {
  const UINT size = metafile ? GetEnhMetaFileBits(metafile, 0, nullptr) : 0;
  if (size == 0) return false;
  try {
    bytes.resize(size);
  } catch (const std::bad_alloc&) {
    return false;
  }
  return GetEnhMetaFileBits(metafile, size, bytes.data()) == size;
}
