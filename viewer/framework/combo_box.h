#pragma once

#include <windows.h>

#include "wnd.h"

// A dialog's combo box, bound to its control by DDX_Control.
class CComboBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
  void DeleteString(int index) const { SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index)); }
  void AddString(const char* text) const {
    SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  void InsertString(int index, const char* text) const {
    SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  }
};
