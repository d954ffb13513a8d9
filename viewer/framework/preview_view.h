#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "gdi_holders.h"
#include "preview_dc.h"
#include "preview_geometry.h"
#include "print_info.h"
#include "scroll_view.h"

// The print preview: the printed pages of a view, one or two at a time, each drawn by the
// view's OnPrint at the printer's resolution on a paper shaped like the current printer's,
// at three zooms. It takes the view's place in the frame (CFrameWnd::BeginPreview) and
// follows the document: every update re-reads the page range and the printer.
class CPreviewView : public CScrollView {
 public:
  explicit CPreviewView(CView* printView);

  // Runs the print view's print-preparation hook as a preview; false when it refuses,
  // and the preview does not start.
  bool PreparePages();
  bool Create(CFrameWnd* frame);

  void OnUpdate(CView* sender, LPARAM hint) override;
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;
  // Escape closes; the page keys turn pages at the whole-page zoom and scroll closer in.
  bool PreTranslateMessage(MSG* msg) override;

  // Draws the page that Next would bring into view, while nothing else waits, so that the
  // page turn only shows it.
  void RenderAhead();

  // "Page N", or "Pages N-M" while two show.
  std::string StatusText() const;
  const CPrintInfo& PrintInfo() const { return m_info; }
  const PrinterPage& Page() const { return m_printer.page; }
  PreviewZoom Zoom() const { return m_zoom; }
  // The papers as the window shows them now, in its scrolled extent.
  PreviewLayout Layout() const;

 protected:
  bool PreCreateWindow(CREATESTRUCTA& cs) override;
  void OnDraw(HDC hdc) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct RenderedPage {
    UINT page;
    SIZE size;
    std::unique_ptr<CGdiObject<HBITMAP>> bitmap;
  };

  void ReadPrinter();
  void FitScrollSizes();
  // Pages changed: the scroll extent, the status bar and the window follow.
  void ShowPages();
  void SetZoom(PreviewZoom zoom, const POINT* click);
  bool OnKeyDown(UINT key);
  HBITMAP PageBitmap(UINT page, SIZE size);
  static SIZE PaperSize(const PreviewLayout& layout);
  void DrawPaper(HDC hdc, const RECT& paper, UINT page);

  void OnNextPage();
  void OnPrevPage();
  void OnFirstPage();
  void OnLastPage();
  void OnNumPage();
  void OnZoomIn();
  void OnZoomOut();
  void OnUpdateNextPage(CCmdUI* ui);
  void OnUpdatePrevPage(CCmdUI* ui);
  void OnUpdateNumPage(CCmdUI* ui);
  void OnUpdateZoomIn(CCmdUI* ui);
  void OnUpdateZoomOut(CCmdUI* ui);
  void OnUpdateDisabled(CCmdUI* ui);

  CView* m_printView;
  CPrintInfo m_info;
  PrinterImitation m_printer = {};
  bool m_twoPages = false;
  PreviewZoom m_zoom = PreviewZoom::Whole;
  // The last pages drawn, kept until the document or the zoom changes.
  std::vector<RenderedPage> m_rendered;
};
