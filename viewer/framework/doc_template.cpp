#include "doc_template.h"

#include "document.h"
#include "resource_strings.h"
#include "win_app.h"

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, DocumentFactory makeDocument,
                                       FrameFactory makeFrame, ViewFactory makeView)
    : m_resourceId(resourceId),
      m_makeDocument(makeDocument),
      m_makeFrame(makeFrame),
      m_makeView(makeView) {}

bool CSingleDocTemplate::OpenDocumentFile(const char* path) {
  const bool creating = !m_document;
  if (creating && !CreateDocumentAndFrame()) return false;
  const bool named = path && *path;
  if (!(named ? m_document->OnOpenDocument(path) : m_document->OnNewDocument())) {
    if (creating) ReleaseDocumentAndFrame();
    return false;
  }
  m_document->SetPathName(named ? path : "");
  if (CWinApp* app = AfxGetApp(); app && !app->m_pMainWnd) app->m_pMainWnd = m_frame.get();
  m_frame->InitialUpdateFrame();
  return true;
}

bool CSingleDocTemplate::CreateDocumentAndFrame() {
  m_document = m_makeDocument();
  m_frame = m_makeFrame();
  if (m_document && m_frame && m_frame->LoadFrame(m_resourceId, m_document.get(), m_makeView))
    return true;
  ReleaseDocumentAndFrame();
  return false;
}

void CSingleDocTemplate::ReleaseDocumentAndFrame() {
  if (m_frame) m_frame->DestroyWindow();
  m_frame.reset();
  m_document.reset();
}

std::string CSingleDocTemplate::GetDocString(DocStringIndex index) const {
  return ResourceStringPart(LoadResourceString(m_resourceId), index);
}
