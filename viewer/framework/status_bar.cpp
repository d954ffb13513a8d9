#include "status_bar.h"

#include <commctrl.h>

#include "cmd_ui.h"
#include "control_bars.h"
#include "frame_wnd.h"
#include "gdi_holders.h"
#include "resource_strings.h"

namespace {

// Space around an indicator's text.
constexpr int kPaneMargin = 12;

// An indicator pane, as an update handler sees it: disabled panes show no text.
class CStatusCmdUI : public CCmdUI {
 public:
  CStatusCmdUI(CStatusBar& bar, int index, UINT id, const std::string& text)
      : CCmdUI(id), m_bar(bar), m_index(index), m_text(text) {}
  void Enable(bool on) override { m_bar.SetPaneText(m_index, on ? m_text.c_str() : ""); }
  void SetCheck(int) override {}
  // A pane whose text changes: shown as given.
  void SetText(const char* text) override { m_bar.SetPaneText(m_index, text); }
  void SetTip(const char* tip) override { m_bar.SetPaneTip(m_index, tip); }

 private:
  CStatusBar& m_bar;
  int m_index;
  const std::string& m_text;
};

}  // namespace

bool CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
  HWND hwnd = CreateWindowExA(0, STATUSCLASSNAMEA, "", (style & ~CBRS_ALL_FLAGS) | SBARS_SIZEGRIP, 0, 0, 0, 0,
                              parent->m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return false;
  Attach(hwnd);
  return true;
}

bool CStatusBar::SetIndicators(const UINT* ids, int count) {
  if (!m_hWnd || count < 1) return false;
  m_panes.clear();
  CClientDC dc(m_hWnd);
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
  CScopedSelect selectFont(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  for (int i = 0; i < count; ++i) {
    Pane pane = {ids[i], std::string(), 0, std::string()};
    if (ids[i] != 0) {
      pane.text = LoadResourceString(ids[i]);
      if (pane.text.empty()) return false;
      SIZE extent = {0, 0};
      GetTextExtentPoint32A(dc.get(), pane.text.c_str(), static_cast<int>(pane.text.size()),
                            &extent);
      pane.width = extent.cx + kPaneMargin;
    }
    m_panes.push_back(pane);
  }
  RecalcPanes();
  return true;
}

void CStatusBar::SetPaneText(int index, const char* text) {
  if (m_hWnd) ::SendMessageA(m_hWnd, SB_SETTEXTA, index, reinterpret_cast<LPARAM>(text));
}

void CStatusBar::SetPaneTip(int index, const char* tip) {
  if (!m_hWnd || index < 0 || index >= PaneCount()) return;
  Pane& pane = m_panes[static_cast<std::size_t>(index)];
  if (!m_tips && *tip) {
    m_tips = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  }
  if (!m_tips) return;
  // The first version's size: every common-controls library takes it.
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = m_hWnd;
  tool.uId = static_cast<UINT_PTR>(index);
  ::SendMessageA(m_hWnd, SB_GETRECT, index, reinterpret_cast<LPARAM>(&tool.rect));
  tool.lpszText = const_cast<char*>(tip);
  if (pane.tip != tip) {
    if (!pane.tip.empty()) ::SendMessageA(m_tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (*tip) ::SendMessageA(m_tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    pane.tip = tip;
  } else if (*tip) {
    ::SendMessageA(m_tips, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void CStatusBar::RecalcPanes() {
  if (!m_hWnd || m_panes.empty()) return;
  RECT client;
  GetClientRect(m_hWnd, &client);
  // Panes are given by their right edges; the grip keeps room of its own at the end.
  const int grip = GetSystemMetrics(SM_CXVSCROLL);
  std::vector<int> edges(m_panes.size());
  int right = client.right - grip;
  for (std::size_t i = m_panes.size(); i-- > 1;) {
    edges[i] = right;
    right -= m_panes[i].width;
  }
  edges[0] = right;
  edges.back() = -1;
  ::SendMessageA(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::UpdateIndicators(CFrameWnd* frame) {
  for (std::size_t i = 1; i < m_panes.size(); ++i) {
    CStatusCmdUI ui(*this, static_cast<int>(i), m_panes[i].id, m_panes[i].text);
    if (!frame->RouteCommand(m_panes[i].id, &ui)) ui.Enable(false);
  }
}
