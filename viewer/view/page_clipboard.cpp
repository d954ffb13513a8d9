#include "page_clipboard.h"

#include "gdi_holders.h"
#include "page_playback.h"

namespace {

// The clipboard opened without an owner, closed once.
class CScopedClipboard {
 public:
  CScopedClipboard() : m_open(OpenClipboard(nullptr) != FALSE) {}
  ~CScopedClipboard() {
    if (m_open) CloseClipboard();
  }
  CScopedClipboard(const CScopedClipboard&) = delete;
  CScopedClipboard& operator=(const CScopedClipboard&) = delete;

  bool IsOpen() const { return m_open; }

 private:
  bool m_open;
};

}  // namespace

HBITMAP RenderPageBitmap(const PageEntry& page) {
  if (page.nWidth <= 0 || page.nHeight <= 0) return nullptr;
  CMemoryDC dc(nullptr);
  // Made compatible with the screen: one made for a fresh memory context is monochrome.
  CClientDC screen(nullptr);
  CGdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.get(), page.nWidth, page.nHeight));
  if (!dc || !bitmap) return nullptr;
  {
    CScopedSelect selected(dc.get(), bitmap.get());
    if (!selected.selected()) return nullptr;
    SetStretchBltMode(dc.get(), COLORONCOLOR);
    const RECT area = {0, 0, page.nWidth, page.nHeight};
    FillRect(dc.get(), &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (page.hMetaFile) PlayPageMetafile(dc.get(), page.hMetaFile, area);
  }
  return bitmap.release();
}

void CopyPageToClipboard(const PageEntry& page) {
  CGdiObject<HBITMAP> bitmap(RenderPageBitmap(page));
  if (!bitmap) return;
  CScopedClipboard clipboard;
  // Once handed over, the bitmap belongs to the clipboard.
  if (clipboard.IsOpen() && EmptyClipboard() && SetClipboardData(CF_BITMAP, bitmap.get()))
    bitmap.release();
}
