#pragma once

#include <windows.h>

#include <vector>

#include "print_info.h"
#include "wnd.h"

class CDocument;
class CFrameWnd;
class CPrintStatusDlg;

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

  // The print command: the print dialog, then one OnPrint per printed page.
  void OnFilePrint();
  // The same to the current printer, every page, without the dialog.
  void OnFilePrintDirect();
  // The print preview: the printed pages in the frame, in this view's place.
  void OnFilePrintPreview();
  void OnUpdateFilePrintPreview(CCmdUI* ui);

 protected:
  virtual void OnDraw(HDC hdc) = 0;
  // Prepares the window's creation: fills in the window class (the framework's own when
  // none is named yet); false stops the creation.
  virtual bool PreCreateWindow(CREATESTRUCTA& cs);
  // Sets up the device context before drawing on the screen (info null) or before each
  // printed page (the scrolling view moves the screen's origin only).
  virtual void OnPrepareDC(HDC hdc, CPrintInfo* info);

  // Printing's hooks, in the order the print loop calls them. OnPreparePrinting sets the
  // page range and lets DoPreparePrinting ask the user; false ends the job unprinted.
  virtual bool OnPreparePrinting(CPrintInfo* info);
  // Shows the print dialog (unless printing directly) on the application's printer
  // settings and gets the printer's device context; false when cancelled or no printer.
  bool DoPreparePrinting(CPrintInfo* info);
  virtual void OnBeginPrinting(HDC hdc, CPrintInfo* info);
  // Draws page info->m_nCurPage into info->m_rectDraw.
  virtual void OnPrint(HDC hdc, CPrintInfo* info);
  virtual void OnEndPrinting(HDC hdc, CPrintInfo* info);
  // The paper the preview shows when there is no printer to imitate, in tenths of a
  // millimetre.
  virtual SIZE PreviewPaperSize() const;
  // Whether and how the job goes on both sides of the paper; one-sided by default.
  virtual TwoSidedPrinting TwoSidedRequest() const { return TwoSidedPrinting(); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PrintDocument(bool direct);
  // One spooler job of the given pages, in order, with its status box and its failure
  // messages; false when it was cancelled or failed.
  bool PrintJob(HDC hdc, CPrintInfo& info, const std::vector<UINT>& pages);
  // Each page its own printer page, kBlankSide a page left empty; false when the printer
  // failed or the user cancelled, `printed` then telling how many it took.
  bool PrintPages(HDC hdc, CPrintInfo& info, const std::vector<UINT>& pages,
                  CPrintStatusDlg& status, UINT& printed);

  CDocument* m_pDocument = nullptr;
  CFrameWnd* m_pFrame = nullptr;

  // The preview draws with this view's printing hooks.
  friend class CPreviewView;
};
