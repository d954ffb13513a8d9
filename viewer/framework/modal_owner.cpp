#include "modal_owner.h"

#include "win_app.h"
#include "wnd.h"

namespace {

// Windows owned by windows owned by the main window, and so on: more than any dialog opens.
constexpr int kMaxOwnedDepth = 8;

// A popup cannot be owned by a child window.
HWND TopLevelOf(HWND window) {
  while (window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) window = GetParent(window);
  return window;
}

HWND RootOwnerOf(HWND window) {
  for (HWND owner = window ? GetWindow(window, GW_OWNER) : nullptr; owner;
       owner = GetWindow(owner, GW_OWNER))
    window = owner;
  return window;
}

}  // namespace

CModalOwner::CModalOwner(HWND preferred) {
  HWND window = preferred;
  if (!window) {
    CWnd* main = AfxGetMainWnd();
    window = main ? main->m_hWnd : nullptr;
  }
  window = TopLevelOf(window);
  // Some systems keep the last active popup with its direct owner only, so the chain is
  // followed down: main window, options panel (disabled under the editor), the editor
  // opened from it. A popup gone from the screen owns nothing.
  for (int depth = 0; window && depth < kMaxOwnedDepth; ++depth) {
    HWND popup = GetLastActivePopup(window);
    if (!popup || popup == window || !IsWindowVisible(popup)) break;
    window = popup;
  }
  m_owner = window;
  HWND top = RootOwnerOf(window);
  if (top && top != window && IsWindowEnabled(top)) {
    EnableWindow(top, FALSE);
    m_disabledTop = top;
  }
}

CModalOwner::~CModalOwner() {
  if (m_disabledTop) EnableWindow(m_disabledTop, TRUE);
}
