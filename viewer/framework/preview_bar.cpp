#include "preview_bar.h"

#include "frame_wnd.h"
#include "framework_ids.h"
#include "preview_texts.h"

namespace {

constexpr char kPreviewBarClass[] = "QuillorPreviewBar";
constexpr int kButtonWidth = 84;
constexpr int kButtonHeight = 24;
constexpr int kSpacing = 4;

struct BarButton {
  UINT id;
  const char* text;
};

// The toggle starts as "Two Page"; its update handler keeps its text.
constexpr BarButton kButtons[] = {
    {AFX_ID_PREVIEW_PRINT, kPreviewPrint},     {AFX_ID_PREVIEW_NEXT, kPreviewNextPage},
    {AFX_ID_PREVIEW_PREV, kPreviewPrevPage},   {AFX_ID_PREVIEW_NUMPAGE, kPreviewTwoPage},
    {AFX_ID_PREVIEW_ZOOMIN, kPreviewZoomIn},   {AFX_ID_PREVIEW_ZOOMOUT, kPreviewZoomOut},
    {AFX_ID_PREVIEW_CLOSE, kPreviewClose},
};

// A push button as an update handler sees it.
class CButtonCmdUI : public CCmdUI {
 public:
  CButtonCmdUI(HWND button, UINT id) : CCmdUI(id), m_button(button) {}
  void Enable(bool on) override {
    if ((IsWindowEnabled(m_button) != FALSE) != on) EnableWindow(m_button, on);
  }
  void SetCheck(int check) override { (void)check; }
  void SetText(const char* text) override {
    char shown[64] = "";
    GetWindowTextA(m_button, shown, sizeof shown);
    if (lstrcmpA(shown, text) != 0) SetWindowTextA(m_button, text);
  }

 private:
  HWND m_button;
};

}  // namespace

bool CPreviewBar::Create(CFrameWnd* frame) {
  const char* className = RegisterFrameworkClass(kPreviewBarClass, 0,
                                                 GetSysColorBrush(COLOR_BTNFACE), nullptr);
  if (!className || !CreateEx(0, className, "", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, Height(),
                              frame->m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDW_PREVIEW_BAR))))
    return false;
  m_frame = frame;
  int x = kSpacing;
  for (const BarButton& button : kButtons) {
    HWND hwnd = CreateWindowExA(0, "BUTTON", button.text,
                                WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, kSpacing,
                                kButtonWidth, kButtonHeight, m_hWnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (!hwnd) return false;
    ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
    m_buttons.push_back(hwnd);
    x += kButtonWidth + kSpacing;
  }
  return true;
}

int CPreviewBar::Height() const { return kButtonHeight + 2 * kSpacing; }

void CPreviewBar::UpdateButtons(CFrameWnd* frame) {
  for (HWND button : m_buttons) {
    const UINT id = static_cast<UINT>(GetDlgCtrlID(button));
    CButtonCmdUI ui(button, id);
    if (!frame->RouteCommand(id, &ui)) ui.Enable(false);
  }
}

LRESULT CPreviewBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && m_frame) {
    PostMessageA(m_frame->m_hWnd, WM_COMMAND, LOWORD(wParam), 0);
    // The keys belong to the preview, not to the button just pressed.
    SetFocus(m_frame->m_hWnd);
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
