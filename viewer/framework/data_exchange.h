#pragma once

#include <windows.h>

#include <string>

class CDialog;
class CWnd;

// Moves values between a dialog's members and its controls: shown into the controls, or
// taken from them with validation. The first refused value stops the exchange; values
// exchanged before it are kept.
class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, bool saveAndValidate)
      : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

  HWND PrepareCtrl(int id);
  // Refuses the exchange: the focus goes back to the last control prepared.
  void Fail();
  bool Failed() const { return m_bFailed; }

  CDialog* const m_pDlgWnd;
  const bool m_bSaveAndValidate;

 private:
  HWND m_lastControl = nullptr;
  bool m_bFailed = false;
};

// Framework texts of refused values.
constexpr const char kParseIntegerText[] = "Please enter an integer.";
constexpr const char kTooManyCharactersFormat[] = "Enter no more than %d characters.";

// An edit's text as a signed decimal integer (ParseDialogInteger's rule); a refused text
// shows "Please enter an integer." and keeps `value`.
void DDX_Text(CDataExchange* dx, int id, int& value);
// A control's text, of any length.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// A control's text; longer than `maxChars` characters (a double-byte character counts
// once) is refused when taken, and an edit accepts no more than that when shown.
void DDX_Text(CDataExchange* dx, int id, std::string& value, int maxChars);
// The selected index of a combo box; an index outside the list leaves no selection.
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
// Which radio button of the group that starts with control `id` is checked (-1: none).
void DDX_Radio(CDataExchange* dx, int id, int& value);
// Binds a control object to the dialog's control, once.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
