#include "document.h"

#include <algorithm>

#include "frame_wnd.h"
#include "view.h"

void CDocument::SetTitle(const char* title) {
  m_strTitle = title ? title : "";
  for (CView* view : m_views) {
    if (CFrameWnd* frame = view->GetParentFrame()) frame->OnUpdateFrameTitle();
  }
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
