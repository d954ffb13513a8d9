#include "export_fixture.h"

#include <cstring>

#include "export_texts.h"

namespace {

ScriptedSaveDialog* g_dialog = nullptr;

constexpr const char kScratchRegistryKey[] = "Quillor export tests";

void RemoveKeys() {
  const std::string root = "Software\\" + std::string(kScratchRegistryKey);
  RegDeleteKeyA(HKEY_CURRENT_USER, (root + "\\folium\\Folium").c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, (root + "\\folium").c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, root.c_str());
}

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

ScratchAppProfile::ScratchAppProfile() : m_profile(kScratchRegistryKey, "folium") { RemoveKeys(); }

ScratchAppProfile::~ScratchAppProfile() { RemoveKeys(); }

long ScratchAppProfile::RememberedFilter() const {
  const std::string path = "Software\\" + std::string(kScratchRegistryKey) + "\\folium\\Folium";
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  const LONG result = RegQueryValueExA(key, "SaveAsImageFilter", nullptr, &type,
                                       reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS && type == REG_DWORD ? static_cast<long>(value) : -1;
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
