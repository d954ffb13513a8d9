#include "doc_template.h"

#include "document.h"
#include "resource_strings.h"
#include "win_app.h"

namespace {

constexpr char kUntitled[] = "Untitled";

// The title a document gets from its file name: the name without its folder.
std::string TitleFromPath(const char* path) {
  const std::string text(path);
  const std::size_t slash = text.find_last_of("\\/:");
  return slash == std::string::npos ? text : text.substr(slash + 1);
}

}  // namespace

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, DocumentFactory makeDocument,
                                       FrameFactory makeFrame, ViewFactory makeView)
    : m_resourceId(resourceId),
      m_makeDocument(makeDocument),
      m_makeFrame(makeFrame),
      m_makeView(makeView) {}

bool CSingleDocTemplate::OpenDocumentFile(const char* path) {
  if (!m_document) {
    m_document = m_makeDocument();
    m_frame = m_makeFrame();
    if (!m_document || !m_frame ||
        !m_frame->LoadFrame(m_resourceId, m_document.get(), m_makeView)) {
      m_frame.reset();
      m_document.reset();
      return false;
    }
    if (CWinApp* app = AfxGetApp(); app && !app->m_pMainWnd) app->m_pMainWnd = m_frame.get();
  }
  if (!m_document->OnNewDocument()) return false;
  m_document->SetTitle(path && *path ? TitleFromPath(path).c_str() : kUntitled);
  m_frame->InitialUpdateFrame();
  return true;
}

std::string CSingleDocTemplate::GetDocString(int index) const {
  return ResourceStringPart(LoadResourceString(m_resourceId), index);
}
