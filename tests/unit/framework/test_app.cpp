#include "test_app.h"

#include <commctrl.h>

#include "framework_ids.h"
#include "framework_test_ids.h"

std::vector<std::string> g_handled;
std::string g_capsTip;

namespace {

bool g_nextFrameHasBars = false;

std::unique_ptr<CDocument> MakeDoc() { return std::make_unique<TestDoc>(); }
std::unique_ptr<CView> MakeView() { return std::make_unique<TestView>(); }
std::unique_ptr<CFrameWnd> MakeFrame() {
  auto frame = std::make_unique<TestFrame>();
  frame->m_withBars = g_nextFrameHasBars;
  return frame;
}

constexpr UINT kIndicators[] = {0, ID_INDICATOR_CAP, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};

}  // namespace

bool TestView::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<TestView> kCommands[] = {{ID_TEST_BOTH, &TestView::OnBoth, nullptr}};
  return DispatchCommand(this, kCommands, id, ui) || CView::OnCmdMsg(id, ui);
}

bool TestDoc::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<TestDoc> kCommands[] = {
      {ID_TEST_DOC_AND_APP, &TestDoc::OnDocAndApp, nullptr}};
  return DispatchCommand(this, kCommands, id, ui) || CDocument::OnCmdMsg(id, ui);
}

bool TestFrame::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<TestFrame> kCommands[] = {
      {ID_TEST_BOTH, &TestFrame::OnBoth, nullptr},
      {ID_TEST_CHECKED, &TestFrame::OnChecked, &TestFrame::OnUpdateChecked},
      {ID_INDICATOR_CAP, nullptr, &TestFrame::OnUpdateCaps}};
  return DispatchCommand(this, kCommands, id, ui) || CFrameWnd::OnCmdMsg(id, ui);
}

int TestFrame::OnCreate(CREATESTRUCTA* cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;
  if (!m_withBars) return 0;
  if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT,
                          WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY,
                          IDW_TOOLBAR) ||
      !m_toolBar.LoadToolBar(IDR_TEST_FRAME))
    return -1;
  if (!m_statusBar.Create(this, WS_CHILD | WS_VISIBLE, IDW_STATUS_BAR) ||
      !m_statusBar.SetIndicators(kIndicators, 4))
    return -1;
  m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
  EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(&m_toolBar);
  return 0;
}

bool TestApp::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<TestApp> kCommands[] = {
      {ID_TEST_DOC_AND_APP, &TestApp::OnDocAndApp, nullptr},
      {ID_TEST_APP_ONLY, &TestApp::OnAppOnly, nullptr},
      {ID_FILE_NEW, &CWinApp::OnFileNew, nullptr},
      {ID_FILE_OPEN, &CWinApp::OnFileOpen, nullptr}};
  return DispatchCommand(this, kCommands, id, ui);
}

CSingleDocTemplate* OpenTestDocument(TestApp& app, bool withBars) {
  g_nextFrameHasBars = withBars;
  app.AddDocTemplate(
      std::make_unique<CSingleDocTemplate>(IDR_TEST_FRAME, MakeDoc, MakeFrame, MakeView));
  return app.GetDocTemplate()->OpenDocumentFile(nullptr) ? app.GetDocTemplate() : nullptr;
}
