#include "doc_file_dialog.h"

namespace {

FileNameDialog g_openDialog = GetOpenFileNameA;
FileNameDialog g_saveDialog = GetSaveFileNameA;

// The dialog's filter: pairs of text and pattern, each NUL-terminated, then one more NUL.
std::string FilterList(const std::string& filterName, const std::string& extension) {
  std::string filter;
  if (!extension.empty()) {
    filter += filterName;
    filter += '\0';
    filter += "*" + extension;
    filter += '\0';
  }
  filter += kAllFilesFilter;
  filter += '\0';
  filter += "*.*";
  filter += '\0';
  return filter;
}

}  // namespace

std::string AskDocumentFileName(HWND owner, bool opening, const std::string& filterName,
                                const std::string& extension) {
  const std::string filter = FilterList(filterName, extension);
  const std::string defaultExtension =
      !extension.empty() && extension[0] == '.' ? extension.substr(1) : extension;
  char file[MAX_PATH] = "";
  OPENFILENAMEA request = {};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = 1;
  request.lpstrFile = file;
  request.nMaxFile = sizeof file;
  request.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
  request.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                  (opening ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
  const BOOL chosen = opening ? g_openDialog(&request) : g_saveDialog(&request);
  // A name longer than the buffer makes the dialog fail, like a cancel.
  return chosen ? std::string(file) : std::string();
}

FileNameDialog SetDocumentOpenDialog(FileNameDialog dialog) {
  FileNameDialog previous = g_openDialog;
  g_openDialog = dialog ? dialog : GetOpenFileNameA;
  return previous;
}

FileNameDialog SetDocumentSaveDialog(FileNameDialog dialog) {
  FileNameDialog previous = g_saveDialog;
  g_saveDialog = dialog ? dialog : GetSaveFileNameA;
  return previous;
}
