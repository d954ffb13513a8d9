#include "removal_report.h"

#include "formatted_text.h"
#include "message_box.h"
#include "uninstall_texts.h"

void RemovalReport::Failed(const std::string& part, DWORD error) {
  m_lines += FormatText(kReportLine, part.c_str(), static_cast<unsigned long>(error));
}

void RemovalReport::Show() const {
  if (empty()) return;
  ShowMessageBox(nullptr, FormatText(kReportText, m_lines.c_str()).c_str(), kReportCaption, MB_OK | MB_ICONWARNING);
}
