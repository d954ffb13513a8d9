#pragma once

#include <windows.h>

#include "wnd.h"

class CDocument;
class CFrameWnd;

// A child window of the frame that shows the document. Commands reach the view first,
// then its document.
class CView : public CWnd {
 public:
  ~CView() override;

  bool Create(CFrameWnd* frame, CDocument* document);
  CDocument* GetDocument() const { return m_pDocument; }
  CFrameWnd* GetParentFrame() const { return m_pFrame; }

  // Once the document and the frame are ready.
  virtual void OnInitialUpdate();
  // The document changed: by default the whole view is repainted.
  virtual void OnUpdate(CView* sender, LPARAM hint);

  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 protected:
  virtual void OnDraw(HDC hdc) = 0;
  // Prepares the window's creation: fills in the window class (the framework's own when
  // none is named yet); false stops the creation.
  virtual bool PreCreateWindow(CREATESTRUCTA& cs);
  // Sets up the device context before drawing (the scrolling view moves its origin).
  virtual void OnPrepareDC(HDC hdc);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  CDocument* m_pDocument = nullptr;
  CFrameWnd* m_pFrame = nullptr;
};
