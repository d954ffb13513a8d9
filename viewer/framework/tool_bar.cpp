#include "tool_bar.h"

#include <commctrl.h>

#include "cmd_ui.h"
#include "frame_wnd.h"
#include "framework_ids.h"

namespace {

// Room for the gripper left of the first button.
constexpr int kGripperIndent = 8;

// A button of the toolbar, as an update handler sees it.
class CToolCmdUI : public CCmdUI {
 public:
  CToolCmdUI(HWND toolbar, UINT id) : CCmdUI(id), m_toolbar(toolbar) {}
  void Enable(bool on) override { ::SendMessageA(m_toolbar, TB_ENABLEBUTTON, m_nID, MAKELONG(on, 0)); }
  void SetCheck(int check) override {
    ::SendMessageA(m_toolbar, TB_CHECKBUTTON, m_nID, MAKELONG(check != 0, 0));
  }

 private:
  HWND m_toolbar;
};

// The toolbar resource: version 1, button width and height, item count, commands.
struct ToolbarLayout {
  int width = 0;
  int height = 0;
  std::vector<UINT> items;
};

bool ReadToolbarLayout(UINT resourceId, ToolbarLayout& layout) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resourceId),
                              MAKEINTRESOURCEA(RT_TOOLBAR_DATA));
  if (!found) return false;
  HGLOBAL loaded = LoadResource(instance, found);
  const auto* words = static_cast<const WORD*>(LockResource(loaded));
  const DWORD size = SizeofResource(instance, found);
  if (!words || size < 4 * sizeof(WORD) || words[0] != 1) return false;
  const WORD count = words[3];
  if (size < (4u + count) * sizeof(WORD)) return false;
  layout.width = words[1];
  layout.height = words[2];
  layout.items.assign(words + 4, words + 4 + count);
  return true;
}

}  // namespace

bool CToolBar::CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, UINT id) {
  m_barStyle = style & CBRS_ALL_FLAGS;
  DWORD windowStyle = (style & ~CBRS_ALL_FLAGS) | ctrlStyle | CCS_TOP | CCS_NODIVIDER;
  if (style & CBRS_TOOLTIPS) windowStyle |= TBSTYLE_TOOLTIPS;
  HWND hwnd = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", windowStyle, 0, 0, 0, 0, parent->m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return false;
  Attach(hwnd);
  ::SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (HasGripper()) ::SendMessageA(hwnd, TB_SETINDENT, kGripperIndent, 0);
  return true;
}

bool CToolBar::LoadToolBar(UINT resourceId) {
  ToolbarLayout layout;
  if (!m_hWnd || !ReadToolbarLayout(resourceId, layout)) return false;
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (UINT command : layout.items) {
    TBBUTTON button = {};
    if (command == 0) {
      button.fsStyle = TBSTYLE_SEP;
    } else {
      button.iBitmap = image++;
      button.idCommand = static_cast<int>(command);
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = TBSTYLE_BUTTON;
      m_commands.push_back(command);
    }
    buttons.push_back(button);
  }
  ::SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELONG(layout.width, layout.height));
  TBADDBITMAP bitmap = {GetModuleHandleA(nullptr), resourceId};
  if (::SendMessageA(m_hWnd, TB_ADDBITMAP, image, reinterpret_cast<LPARAM>(&bitmap)) < 0)
    return false;
  if (!::SendMessageA(m_hWnd, TB_ADDBUTTONSA, buttons.size(),
                    reinterpret_cast<LPARAM>(buttons.data())))
    return false;
  ::SendMessageA(m_hWnd, TB_AUTOSIZE, 0, 0);
  return true;
}

void CToolBar::UpdateButtons(CFrameWnd* frame) {
  for (UINT command : m_commands) {
    CToolCmdUI ui(m_hWnd, command);
    if (!frame->RouteCommand(command, &ui)) ui.Enable(false);
  }
}

void CToolBar::DrawGripper(HDC hdc) const {
  RECT client;
  GetClientRect(m_hWnd, &client);
  RECT grip = {2, client.top + 2, 5, client.bottom - 2};
  DrawEdge(hdc, &grip, BDR_RAISEDINNER, BF_RECT);
}
