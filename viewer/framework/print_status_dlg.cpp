#include "print_status_dlg.h"

#include "formatted_text.h"
#include "print_texts.h"

namespace {

constexpr char kStatusClass[] = "QuillorPrintStatus";
constexpr int kClientWidth = 280;
constexpr int kMargin = 12;
constexpr int kLineHeight = 18;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 24;
constexpr int kClientHeight = kMargin + 5 * kLineHeight + kMargin + kButtonHeight + kMargin;
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

}  // namespace

std::string PortLineText(const std::string& portName) {
  std::string text = kPrintStatusPortFormat;
  text.replace(text.find("%1"), 2, portName);
  return text;
}

bool CPrintStatusDlg::Create(HWND owner, const std::string& documentName,
                             const std::string& printerName, const std::string& portName) {
  const char* className = RegisterFrameworkClass(kStatusClass, 0, GetSysColorBrush(COLOR_BTNFACE),
                                                 nullptr);
  RECT frame = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kBoxStyle, FALSE, WS_EX_DLGMODALFRAME);
  if (!className || !CreateEx(WS_EX_DLGMODALFRAME, className, kPrintStatusCaption, kBoxStyle,
                              0, 0, frame.right - frame.left, frame.bottom - frame.top, owner,
                              nullptr))
    return false;
  const DWORD label = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX | SS_ENDELLIPSIS;
  AddControl("STATIC", kPrintStatusCaption, label, kMargin, kLineHeight, -1);
  AddControl("STATIC", documentName.c_str(), label, kMargin + kLineHeight, kLineHeight, -1);
  AddControl("STATIC", printerName.c_str(), label, kMargin + 2 * kLineHeight, kLineHeight, -1);
  AddControl("STATIC", PortLineText(portName).c_str(), label, kMargin + 3 * kLineHeight,
             kLineHeight, -1);
  m_pageText = AddControl("STATIC", "", label, kMargin + 4 * kLineHeight, kLineHeight, -1);
  HWND cancel = AddControl("BUTTON", kPrintStatusCancel,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                           kClientHeight - kMargin - kButtonHeight, kButtonHeight, IDCANCEL);
  MoveWindow(cancel, (kClientWidth - kButtonWidth) / 2, kClientHeight - kMargin - kButtonHeight,
             kButtonWidth, kButtonHeight, FALSE);
  CenterWindow();
  ::ShowWindow(m_hWnd, SW_SHOW);
  UpdateWindow(m_hWnd);
  SetFocus(cancel);
  return true;
}

HWND CPrintStatusDlg::AddControl(const char* className, const char* text, DWORD style, int top,
                                 int height, int id) {
  HWND control = CreateWindowExA(0, className, text, style, kMargin, top,
                                 kClientWidth - 2 * kMargin, height, m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleA(nullptr), nullptr);
  if (control) {
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
  }
  return control;
}

void CPrintStatusDlg::SetPage(UINT page) {
  SetWindowTextA(m_pageText, FormatText(kPrintStatusPageFormat, page).c_str());
  UpdateWindow(m_hWnd);
}

void CPrintStatusDlg::PumpMessages() {
  MSG msg;
  while (!m_cancelled && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The loop that ends the program must see it once printing has stopped.
      PostQuitMessage(static_cast<int>(msg.wParam));
      m_cancelled = true;
      break;
    }
    if (IsDialogMessageA(m_hWnd, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

LRESULT CPrintStatusDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL) {
        m_cancelled = true;
        return 0;
      }
      break;
    case WM_CLOSE:
      m_cancelled = true;
      return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
