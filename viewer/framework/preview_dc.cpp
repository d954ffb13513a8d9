#include "preview_dc.h"

namespace {

constexpr int kTenthsMmPerInch = 254;

// The font a device context draws text in before anyone selects one.
LOGFONTA CurrentFontOf(HDC dc) {
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  LOGFONTA font = {};
  font.lfHeight = metrics.tmHeight;
  font.lfWeight = metrics.tmWeight;
  font.lfCharSet = metrics.tmCharSet;
  font.lfPitchAndFamily = static_cast<BYTE>(metrics.tmPitchAndFamily & 0xF0);
  GetTextFaceA(dc, LF_FACESIZE, font.lfFaceName);
  return font;
}

PrinterPage ReadPrinterPage(HDC printer) {
  PrinterPage page;
  page.printable = {GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
  page.offset = {GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY)};
  page.paper = {GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)};
  // Devices without physical page caps print to their edges.
  if (page.paper.cx < page.printable.cx || page.paper.cy < page.printable.cy) {
    page.paper = page.printable;
    page.offset = {0, 0};
  }
  return page;
}

}  // namespace

PrinterImitation ImitatePrinter(HDC printer) {
  return PrinterImitation{ReadPrinterPage(printer), CurrentFontOf(printer)};
}

PrinterImitation ImitatePaper(SIZE tenthsMm) {
  CClientDC screen(nullptr);
  PrinterImitation imitation = {MarginlessPaper(tenthsMm), CurrentFontOf(screen.get())};
  imitation.font.lfHeight = MulDiv(imitation.font.lfHeight, kTenthsMmPerInch,
                                   GetDeviceCaps(screen.get(), LOGPIXELSY));
  return imitation;
}

std::unique_ptr<CGdiObject<HBITMAP>> RenderPrintedPage(SIZE pixels,
                                                       const PrinterImitation& printer,
                                                       const PrintedPageDrawing& drawing) {
  const PrinterPage& page = printer.page;
  CClientDC screen(nullptr);
  CMemoryDC dc(screen.get());
  auto bitmap = std::make_unique<CGdiObject<HBITMAP>>(
      CreateCompatibleBitmap(screen.get(), pixels.cx, pixels.cy));
  if (!dc || !*bitmap || page.paper.cx <= 0 || page.paper.cy <= 0) return nullptr;
  {
    CScopedSelect selected(dc.get(), bitmap->get());
    if (!selected.selected()) return nullptr;
    const RECT paper = {0, 0, pixels.cx, pixels.cy};
    FillRect(dc.get(), &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const int saved = SaveDC(dc.get());
    SetMapMode(dc.get(), MM_ANISOTROPIC);
    SetWindowExtEx(dc.get(), page.paper.cx, page.paper.cy, nullptr);
    SetViewportExtEx(dc.get(), pixels.cx, pixels.cy, nullptr);
    SetWindowOrgEx(dc.get(), -page.offset.x, -page.offset.y, nullptr);
    // Nothing the page draws reaches the unprintable margins, as on paper.
    const RECT printable = PrintableRectOnScreen(paper, page);
    CGdiObject<HRGN> clip(CreateRectRgnIndirect(&printable));
    SelectClipRgn(dc.get(), clip.get());
    CGdiObject<HFONT> font(CreateFontIndirectA(&printer.font));
    CScopedSelect selectedFont(dc.get(), font.get());
    drawing(dc.get());
    RestoreDC(dc.get(), saved);
  }
  return bitmap;
}
