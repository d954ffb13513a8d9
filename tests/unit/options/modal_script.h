#pragma once

#include <windows.h>

#include <deque>
#include <functional>

// While it lives, hands each dialog that opens on this thread, modal ones included, to the
// next step of the script once the dialog's message loop runs. A step that opens another
// dialog gets that one handled by the step after it, inside its own call.
class ModalScript {
 public:
  using Step = std::function<void(HWND dialog)>;

  explicit ModalScript(std::deque<Step> steps);
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // Every step ran.
  bool Finished() const { return m_steps.empty(); }

 private:
  static LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD);

  std::deque<Step> m_steps;
  std::deque<HWND> m_opened;
  HHOOK m_hook;
};

// A click on a dialog's button as the button reports it.
void ClickButton(HWND dialog, int id);
