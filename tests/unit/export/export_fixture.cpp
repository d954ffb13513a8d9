#include "export_fixture.h"

#include <cstring>

#include "export_texts.h"

namespace {

ScriptedSaveDialog* g_dialog = nullptr;

std::vector<std::string> SplitDoubleNulList(const char* list) {
  std::vector<std::string> parts;
  for (const char* part = list; *part; part += std::strlen(part) + 1) parts.push_back(part);
  return parts;
}

BOOL WINAPI AnswerSaveDialog(OPENFILENAMEA* request) {
  DialogRequest seen;
  seen.owner = request->hwndOwner;
  seen.filterParts = SplitDoubleNulList(request->lpstrFilter);
  seen.filterIndex = request->nFilterIndex;
  seen.initialFolder = request->lpstrInitialDir ? request->lpstrInitialDir : "";
  seen.title = request->lpstrTitle ? request->lpstrTitle : "";
  seen.initialName = request->lpstrFile;
  seen.defaultExtensionGiven = request->lpstrDefExt != nullptr;
  seen.defaultExtension = request->lpstrDefExt ? request->lpstrDefExt : "";
  seen.flags = request->Flags;
  g_dialog->requests.push_back(seen);
  // The filter the user picked, whether the dialog then ends with OK or Cancel.
  request->nFilterIndex = g_dialog->answerFilter;
  if (g_dialog->answer.empty() || g_dialog->answer.size() >= request->nMaxFile) return FALSE;
  std::strcpy(request->lpstrFile, g_dialog->answer.c_str());
  return TRUE;
}

}  // namespace

UINT MemoryProfile::GetInt(const char* section, const char* entry, int defaultValue) const {
  const auto found = values.find(std::string(section) + "\\" + entry);
  return static_cast<UINT>(found == values.end() ? defaultValue : found->second);
}

bool MemoryProfile::WriteInt(const char* section, const char* entry, int value) const {
  values[std::string(section) + "\\" + entry] = value;
  return true;
}

ScriptedSaveDialog::ScriptedSaveDialog() : m_previous(SetSaveFileDialog(AnswerSaveDialog)) {
  g_dialog = this;
}

ScriptedSaveDialog::~ScriptedSaveDialog() {
  SetSaveFileDialog(m_previous);
  g_dialog = nullptr;
}

std::string RememberedImageFolder() {
  char folder[MAX_PATH] = "";
  GetProfileStringA(kProfileSection, kSaveImagePathKey, "(none)", folder, sizeof folder);
  return folder;
}

void ForgetImageFolder() { WriteProfileStringA(kProfileSection, kSaveImagePathKey, nullptr); }
