#pragma once

#include <windows.h>

#include <string>

#include "wnd.h"

// The modeless box shown while a job prints: the document, the printer and its port, the
// page being printed, and a Cancel button that asks the printing loop to stop.
class CPrintStatusDlg : public CWnd {
 public:
  bool Create(HWND owner, const std::string& documentName, const std::string& printerName,
              const std::string& portName);
  void SetPage(UINT page);
  bool IsCancelled() const { return m_cancelled; }
  // Hands the box its waiting messages; the printer's abort procedure calls this while
  // the spooler works.
  void PumpMessages();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND AddControl(const char* className, const char* text, DWORD style, int top, int height,
                  int id);

  HWND m_pageText = nullptr;
  bool m_cancelled = false;
};

// The text of the box's port line, "on" and the port.
std::string PortLineText(const std::string& portName);
