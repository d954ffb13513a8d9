#include "document.h"

#include <algorithm>

#include "ansi_code_page.h"
#include "framework_ids.h"
#include "frame_wnd.h"
#include "scoped_handle.h"
#include "view.h"
#include "win_app.h"

namespace {

constexpr char kUntitled[] = "Untitled";

// The title a document gets from its file: the name without its folder.
std::string TitleFromPath(const std::string& path) {
  const std::size_t slash = FindLastCharacter(path, "\\/:", AnsiLeadBytes());
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void CDocument::SetTitle(const char* title) {
  m_strTitle = title ? title : "";
  for (CView* view : m_views) {
    if (CFrameWnd* frame = view->GetParentFrame()) frame->OnUpdateFrameTitle();
  }
}

void CDocument::SetPathName(const std::string& path) {
  m_strPathName = path;
  m_strSavedPath.clear();
  SetTitle(path.empty() ? kUntitled : TitleFromPath(path).c_str());
}

bool CDocument::OnOpenDocument(const char* path) {
  ScopedFileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.valid()) return true;
  AfxMessageBox(kFailedToOpenDocumentText);
  return false;
}

bool CDocument::OnSaveDocument(const char* path) {
  ScopedFileHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.valid()) return true;
  AfxMessageBox(kFailedToSaveDocumentText);
  return false;
}

void CDocument::OnFileSave() {
  std::string path = m_strSavedPath;
  if (path.empty()) {
    CWinApp* app = AfxGetApp();
    if (!app) return;
    path = app->DoPromptFileName(false);
    if (path.empty()) return;
  }
  if (!OnSaveDocument(path.c_str())) return;
  SetPathName(path);
  m_strSavedPath = path;
}

bool CDocument::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<CDocument> kCommands[] = {
      {ID_FILE_SAVE, &CDocument::OnFileSave, nullptr},
  };
  return DispatchCommand(this, kCommands, id, ui);
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint) {
  for (CView* view : m_views) {
    if (view != sender) view->OnUpdate(sender, hint);
  }
}

void CDocument::AddView(CView* view) {
  if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) m_views.push_back(view);
}

void CDocument::RemoveView(CView* view) {
  m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}
