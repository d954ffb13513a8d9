#include "folium_view.h"

#include "app/folium_app.h"
#include "gdi_holders.h"
#include "resource.h"
#include "sheet_placement.h"

std::unique_ptr<CView> CFoliumView::Make() { return std::make_unique<CFoliumView>(); }

SIZE CFoliumView::SheetSize() const {
  const CFoliumApp& app = FoliumApp();
  return SheetSizeOnScreen(app.m_nSheetWidth, app.m_nSheetHeight);
}

void CFoliumView::OnUpdate(CView* sender, LPARAM hint) {
  const SIZE sheet = SheetSize();
  const int count = static_cast<int>(FoliumApp().m_pages.size());
  const RECT last = SheetRectInColumn(sheet, count > 0 ? count - 1 : 0);
  SetScrollSizes(SIZE{last.right + kSheetGap, last.bottom + kSheetGap});
  CScrollView::OnUpdate(sender, hint);
}

bool CFoliumView::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<CFoliumView> kCommands[] = {
      {ID_LAYOUT_1, &CFoliumView::OnLayoutOne, &CFoliumView::OnUpdateLayoutOne},
  };
  return DispatchCommand(this, kCommands, id, ui) || CScrollView::OnCmdMsg(id, ui);
}

void CFoliumView::OnLayoutOne() { ScrollToPosition(POINT{0, 0}); }

void CFoliumView::OnUpdateLayoutOne(CCmdUI* ui) { ui->SetCheck(1); }

void CFoliumView::OnDraw(HDC hdc) {
  const CFoliumApp& app = FoliumApp();
  const SIZE sheet = SheetSize();
  RECT clip;
  GetClipBox(hdc, &clip);
  FillRect(hdc, &clip, GetSysColorBrush(COLOR_APPWORKSPACE));
  CScopedSelect pen(hdc, GetStockObject(BLACK_PEN));
  CScopedSelect brush(hdc, GetStockObject(WHITE_BRUSH));
  for (std::size_t i = 0; i < app.m_pages.size(); ++i) {
    const RECT sheetRect = SheetRectInColumn(sheet, static_cast<int>(i));
    RECT visible;
    if (!IntersectRect(&visible, &sheetRect, &clip)) continue;
    Rectangle(hdc, sheetRect.left, sheetRect.top, sheetRect.right, sheetRect.bottom);
    const PageEntry& page = app.m_pages[i];
    const RECT target = FitPageInto(sheetRect, page.nWidth, page.nHeight);
    if (page.hMetaFile) PlayEnhMetaFile(hdc, page.hMetaFile, &target);
  }
}
