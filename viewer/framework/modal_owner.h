#pragma once

#include <windows.h>

// The owner of a modal dialog or message box, picked the framework's way: the window asked
// for (the main window when none), its top-level window when it is a child, then that
// window's last active popup. So a box asked for while a dialog is open belongs to the
// dialog and disables it. While this lives the top-level window under the owner is disabled
// too, so no other window of the program takes input beside the modal one.
class CModalOwner {
 public:
  explicit CModalOwner(HWND preferred);
  ~CModalOwner();
  CModalOwner(const CModalOwner&) = delete;
  CModalOwner& operator=(const CModalOwner&) = delete;

  HWND get() const { return m_owner; }

 private:
  HWND m_owner = nullptr;
  HWND m_disabledTop = nullptr;
};
