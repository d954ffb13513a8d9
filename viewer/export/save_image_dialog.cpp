#include "save_image_dialog.h"

#include <algorithm>

#include "ansi_code_page.h"
#include "export_texts.h"
#include "path_parts.h"

namespace {

SaveFileDialog g_dialog = GetSaveFileNameA;

// The dialog wants the filter's parts separated and ended by 0 characters.
std::string DialogFilter(const char* patterns) {
  std::string filter = patterns;
  std::replace(filter.begin(), filter.end(), '|', '\0');
  return filter;
}

// A folder that filled the buffer may have been cut into another folder, or into half a
// character: the default stands in for it.
std::string RememberedFolder(const char* key) {
  char folder[kSaveImagePathChars] = "";
  const DWORD length =
      GetProfileStringA(kProfileSection, key, kDefaultSaveImagePath, folder, sizeof folder);
  return length + 1 < sizeof folder ? folder : kDefaultSaveImagePath;
}

}  // namespace

std::string AskSaveName(HWND owner, const CAppProfile& profile, const SaveDialogKind& kind) {
  const std::string folder = RememberedFolder(kind.folderKey);
  const std::string filter = DialogFilter(kind.filter);
  char path[MAX_PATH] = "";

  OPENFILENAMEA request = {};
  // The size Windows 95 and NT 4 accept.
  request.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  request.hwndOwner = owner;
  request.lpstrFilter = filter.c_str();
  request.nFilterIndex = profile.GetInt(kProfileSection, kind.filterKey, 0);
  request.lpstrFile = path;
  request.nMaxFile = sizeof path;
  request.lpstrInitialDir = folder.c_str();
  request.lpstrTitle = kind.title;
  request.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  // Empty rather than absent: a name typed without extension gets the selected filter's.
  request.lpstrDefExt = "";
  if (!g_dialog(&request)) return std::string();

  const PathParts chosen = SplitPath(path, AnsiLeadBytes());
  WriteProfileStringA(kProfileSection, kind.folderKey,
                      (chosen.drive + chosen.directory).c_str());
  profile.WriteInt(kProfileSection, kind.filterKey, static_cast<int>(request.nFilterIndex));
  return path;
}

std::string AskSaveImageName(HWND owner, const CAppProfile& profile) {
  return AskSaveName(owner, profile,
                     SaveDialogKind{kSaveImageFilter, kSaveImageTitle, kSaveImagePathKey, kSaveImageFilterKey});
}

SaveFileDialog SetSaveFileDialog(SaveFileDialog dialog) {
  SaveFileDialog previous = g_dialog;
  g_dialog = dialog ? dialog : GetSaveFileNameA;
  return previous;
}
