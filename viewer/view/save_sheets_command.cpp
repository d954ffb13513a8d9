#include "app/folium_app.h"
#include "folium_view.h"
#include "frame_wnd.h"
#include "main_frame.h"
#include "sheet_export.h"
#include "sheet_renderer.h"

namespace {

// Escape pressed since the last sheet; other keys typed meanwhile are dropped, as the
// window cannot act on them until the save ends.
bool EscapePressed() {
  MSG msg;
  bool escape = false;
  while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
    escape = escape || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE);
  return escape;
}

}  // namespace

void CFoliumView::OnFileSaveSheets() {
  const int sheetCount = m_state.SheetCount(PageCount());
  if (sheetCount < 1) return;
  CFoliumApp& app = FoliumApp();
  CFrameWnd* frame = GetParentFrame();
  const OptionSettings& options = Options();
  const SheetDrawer draw = [&](HDC dc, const RECT& r, int sheet) {
    DrawSheet(dc, r, Pages(), m_state.layout, sheet, options, SelectedWatermark(options));
  };
  // Progress shows in the message pane, repainted at once: the save runs to its end inside
  // this command, looking only for Escape between sheets.
  const SheetProgress progress = [frame](int sheet, int count) {
    frame->SetMessageText(SavingSheetText(sheet, count).c_str());
    RedrawWindow(frame->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return !EscapePressed();
  };
  SaveSheetsAs(frame->m_hWnd, app.Profile(), sheetCount, SIZE{app.m_nSheetWidth, app.m_nSheetHeight},
               app.m_documentName, draw, progress);
  frame->SetMessageText(nullptr);
}

void CFoliumView::OnUpdateFileSaveSheets(CCmdUI* ui) { ui->Enable(m_state.SheetCount(PageCount()) > 0); }
