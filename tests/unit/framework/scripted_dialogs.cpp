#include "scripted_dialogs.h"

namespace {

ScriptedDialogs* g_script = nullptr;

std::vector<std::string> FilterParts(const char* filter) {
  std::vector<std::string> parts;
  for (const char* part = filter; part && *part; part += lstrlenA(part) + 1)
    parts.emplace_back(part);
  return parts;
}

}  // namespace

ScriptedDialogs::ScriptedDialogs()
    : m_previousOpen(SetDocumentOpenDialog(Open)),
      m_previousSave(SetDocumentSaveDialog(Save)),
      m_previousMessage(SetMessageBoxHook(Message)) {
  g_script = this;
}

ScriptedDialogs::~ScriptedDialogs() {
  g_script = nullptr;
  SetDocumentOpenDialog(m_previousOpen);
  SetDocumentSaveDialog(m_previousSave);
  SetMessageBoxHook(m_previousMessage);
}

BOOL WINAPI ScriptedDialogs::Open(OPENFILENAMEA* request) { return Answer(true, request); }

BOOL WINAPI ScriptedDialogs::Save(OPENFILENAMEA* request) { return Answer(false, request); }

BOOL ScriptedDialogs::Answer(bool opening, OPENFILENAMEA* request) {
  g_script->requests.push_back({opening, request->Flags, FilterParts(request->lpstrFilter),
                                request->lpstrDefExt ? request->lpstrDefExt : ""});
  if (g_script->answer.empty() || g_script->answer.size() >= request->nMaxFile) return FALSE;
  lstrcpynA(request->lpstrFile, g_script->answer.c_str(), static_cast<int>(request->nMaxFile));
  return TRUE;
}

int ScriptedDialogs::Message(HWND, const char* text, const char*, UINT) {
  g_script->messages.emplace_back(text);
  if (g_script->whileMessageShown) g_script->whileMessageShown();
  return g_script->messageAnswer;
}
