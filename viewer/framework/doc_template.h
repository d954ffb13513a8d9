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
  // The fields of the document string, in its order.
  enum DocStringIndex {
    windowTitle,
    docName,
    fileNewName,
    filterName,
    filterExt,
    regFileTypeId,
    regFileTypeName
  };

  CSingleDocTemplate(UINT resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                     ViewFactory makeView);

  // Creates the document, its frame and view on first use; then prepares the document
  // afresh (no `path`) or opens it from the file `path`. False when the frame cannot be
  // created or the document refuses; a document made for this call goes again then, with
  // its frame.
  bool OpenDocumentFile(const char* path);

  CDocument* GetDocument() const { return m_document.get(); }
  CFrameWnd* GetFrame() const { return m_frame.get(); }
  std::string GetDocString(DocStringIndex index) const;

 private:
  bool CreateDocumentAndFrame();
  void ReleaseDocumentAndFrame();

  UINT m_resourceId;
  DocumentFactory m_makeDocument;
  FrameFactory m_makeFrame;
  ViewFactory m_makeView;
  // The frame is released before the document its view refers to.
  std::unique_ptr<CDocument> m_document;
  std::unique_ptr<CFrameWnd> m_frame;
};
