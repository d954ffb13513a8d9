#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "document.h"
#include "frame_wnd.h"

using DocumentFactory = std::unique_ptr<CDocument> (*)();
using FrameFactory = std::unique_ptr<CFrameWnd> (*)();

// The one document of a single-document application, with its frame and view, made from
// the resources that share one number. It owns the three for the program's whole run.
class CSingleDocTemplate {
 public:
  CSingleDocTemplate(UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                     ViewFactory makeView);

  // Creates the document, its frame and view on first use; afterwards prepares the same
  // document afresh. The document stores no content, so a file name only names it.
  // False when the frame cannot be created or the document refuses.
  bool OpenDocumentFile(const char* path);

  CDocument* GetDocument() const { return m_document.get(); }
  CFrameWnd* GetFrame() const { return m_frame.get(); }
  // Field `index` of the document string: 0 window title, 1 document name, 2 file type
  // name, 3 filter name, 4 filter extension, 5 registry type, 6 type description.
  std::string GetDocString(int index) const;

 private:
  UINT m_resourceId;
  DocumentFactory m_makeDocument;
  FrameFactory m_makeFrame;
  ViewFactory m_makeView;
  // The frame is released before the document its view refers to.
  std::unique_ptr<CDocument> m_document;
  std::unique_ptr<CFrameWnd> m_frame;
};
