#include "modal_script.h"

#include <utility>

namespace {

ModalScript* g_script = nullptr;

}  // namespace

ModalScript::ModalScript(std::deque<Step> steps)
    : m_steps(std::move(steps)),
      m_hook(SetWindowsHookExA(WH_CALLWNDPROCRET, AfterMessage, nullptr, GetCurrentThreadId())) {
  g_script = this;
}

ModalScript::~ModalScript() {
  g_script = nullptr;
  UnhookWindowsHookEx(m_hook);
}

LRESULT CALLBACK ModalScript::AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && g_script && message->message == WM_INITDIALOG) {
    g_script->m_opened.push_back(message->hwnd);
    // The step runs from the dialog's own message loop, not inside its creation.
    SetTimer(nullptr, 0, 0, RunNextStep);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK ModalScript::RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (!g_script || g_script->m_opened.empty() || g_script->m_steps.empty()) return;
  const HWND dialog = g_script->m_opened.front();
  g_script->m_opened.pop_front();
  const Step step = std::move(g_script->m_steps.front());
  g_script->m_steps.pop_front();
  step(dialog);
}

void ClickButton(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
