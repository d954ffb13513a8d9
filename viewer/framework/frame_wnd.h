#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "control_bars.h"
#include "dock_layout.h"
#include "preview_bar.h"
#include "preview_view.h"
#include "wnd.h"

class CDocument;
class CStatusBar;
class CToolBar;
class CView;

using ViewFactory = std::unique_ptr<CView> (*)();

// The application's top-level window: menu, accelerators, control bars and the view.
// Commands go to the view (and its document), then the frame, then the application.
class CFrameWnd : public CWnd {
 public:
  ~CFrameWnd() override;

  // Creates the window from the menu, accelerators, icon and title string that share
  // `resourceId`, with a view of `document` made by `makeView`.
  bool LoadFrame(UINT resourceId, CDocument* document, ViewFactory makeView);
  // Hands the view its first update and composes the caption.
  void InitialUpdateFrame();

  CView* GetActiveView() const { return m_view.get(); }

  // Print preview: `preview` with its bar takes the view's place and the toolbar hides;
  // EndPreview puts the view and the toolbar back as they were.
  void BeginPreview(std::unique_ptr<CPreviewView> preview);
  void EndPreview();
  bool IsPreviewing() const { return m_preview != nullptr; }
  CPreviewView* GetPreview() const { return m_preview.get(); }
  CDocument* GetActiveDocument() const { return m_document; }
  const std::string& GetTitle() const { return m_strTitle; }

  // The caption: the document's title, " - ", the application's title.
  void OnUpdateFrameTitle();
  // The message pane's text; when `text` is null the idle message, or the pages shown
  // while previewing.
  void SetMessageText(const char* text);
  // Shows a command's status-bar prompt.
  void ShowCommandPrompt(UINT id);
  void RecalcLayout();

  // The sides (CBRS_ALIGN_ flags) where control bars may dock.
  void EnableDocking(DWORD dockStyle) { m_dockStyle = dockStyle & CBRS_ALIGN_ANY; }
  DWORD GetDockingSides() const { return m_dockStyle; }
  // Docks `bar` on `side`, or on the first side that both it and the frame allow when
  // they do not allow that one.
  void DockControlBar(CToolBar* bar, DockSide side = DockSide::Top);
  void FloatControlBar(CToolBar* bar, POINT topLeft);
  void ShowControlBar(CToolBar* bar, bool show);
  // Where bars dock, on screen: the client area above the status bar.
  RECT GetDockingArea() const;
  // A toolbar made in this frame: the one it lays out, updates and takes notices from.
  void AddControlBar(CToolBar* bar);

  // Idle-time update of the toolbar buttons and the status-bar indicators.
  void OnIdleUpdateCmdUI();

  // View (and its document), frame, application: true when one of them knows the command.
  bool RouteCommand(UINT id, CCmdUI* ui);
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;
  bool PreTranslateMessage(MSG* msg) override;

 protected:
  virtual bool PreCreateWindow(CREATESTRUCTA& cs);
  // WM_CREATE: 0 to go on, -1 to stop the window's creation.
  virtual int OnCreate(CREATESTRUCTA* cs);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  CToolBar* FindToolBar() const;
  CStatusBar* FindStatusBar() const;

  std::string m_strTitle;

 private:
  void OnInitMenuPopup(HMENU menu);
  void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  LRESULT OnNotify(NMHDR* header);
  int StatusBarHeight() const;
  void ToggleBar(CWnd* bar);
  void OnViewToolBar();
  void OnUpdateViewToolBar(CCmdUI* ui);
  void OnViewStatusBar();
  void OnUpdateViewStatusBar(CCmdUI* ui);
  void OnUpdateKeyIndicator(CCmdUI* ui);
  void OnAppExit();
  void OnPreviewClose();
  // Leaves the preview for the print command, dialog and all.
  void OnPreviewPrint();

  CDocument* m_document = nullptr;
  ViewFactory m_makeView = nullptr;
  std::unique_ptr<CView> m_view;
  std::unique_ptr<CPreviewBar> m_previewBar;
  std::unique_ptr<CPreviewView> m_preview;
  bool m_toolBarShownBeforePreview = false;
  HACCEL m_accelerators = nullptr;
  HICON m_icon = nullptr;
  HWND m_hWndToolBar = nullptr;
  DWORD m_dockStyle = 0;
};
