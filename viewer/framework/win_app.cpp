#include "win_app.h"

#include <cstdlib>

#include "doc_file_dialog.h"
#include "framework_ids.h"
#include "frame_wnd.h"
#include "message_box.h"
#include "modal_owner.h"
#include "operation_scope.h"
#include "program_directory.h"
#include "resource_strings.h"
#include "shell_registration.h"
#include "wnd.h"

namespace {

CWinApp* g_app = nullptr;

// Mouse moves that did not move, timers and paints leave the idle state as it was.
bool StartsIdleWork(const MSG& msg, POINT& lastMouse) {
  if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
    if (msg.pt.x == lastMouse.x && msg.pt.y == lastMouse.y) return false;
    lastMouse = msg.pt;
    return true;
  }
  return msg.message != WM_PAINT && msg.message != WM_TIMER && msg.message != 0x0118;
}

// Standard message-box icon for boxes that name none.
UINT WithDefaultIcon(UINT type) {
  if (type & MB_ICONMASK) return type;
  switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
      return type | MB_ICONEXCLAMATION;
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return type | MB_ICONQUESTION;
    default:
      return type;
  }
}

}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

int CWinApp::Run() {
  MSG msg;
  POINT lastMouse = {-1, -1};
  bool idle = true;
  for (;;) {
    if (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      OnIdle();
      idle = false;
    }
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      m_exitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (got == -1) break;
    {
      // Handling one message is one operation; a hand-over arriving inside it waits.
      COperationScope operation;
      if (!PreTranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
    if (StartsIdleWork(msg, lastMouse)) idle = true;
  }
  return ExitInstance();
}

void CWinApp::OnIdle() {
  auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd);
  if (!frame) return;
  frame->OnIdleUpdateCmdUI();
  if (CPreviewView* preview = frame->GetPreview()) preview->RenderAhead();
}

bool CWinApp::PreTranslateMessage(MSG* msg) {
  // Each window from the message's target up to its top-level window may take it.
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = GetParent(hwnd)) {
    if (CWnd* wnd = CWnd::FromHandle(hwnd); wnd && wnd->PreTranslateMessage(msg)) return true;
    if (!(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD)) break;
  }
  return false;
}

UINT CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const {
  return Profile().GetInt(section, entry, defaultValue);
}

bool CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const {
  return !m_registryKey.empty() && Profile().WriteInt(section, entry, value);
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
  m_docTemplate = std::move(docTemplate);
}

void CWinApp::RegisterShellFileTypes() const {
  if (!m_docTemplate) return;
  const std::string program = ProgramPath();
  if (program.empty()) return;
  WriteShellEntries(ShellFileTypeEntries(
      program, m_docTemplate->GetDocString(CSingleDocTemplate::filterExt),
      m_docTemplate->GetDocString(CSingleDocTemplate::regFileTypeId),
      m_docTemplate->GetDocString(CSingleDocTemplate::regFileTypeName), m_shellOpen));
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
  for (int i = 1; i < __argc; ++i) info.ParseParam(__argv[i]);
}

bool CWinApp::ProcessShellCommand(const CCommandLineInfo& info) {
  if (!m_docTemplate) return false;
  const char* path =
      info.m_nShellCommand == CCommandLineInfo::FileOpen ? info.m_strFileName.c_str() : nullptr;
  return m_docTemplate->OpenDocumentFile(path);
}

int CWinApp::DoMessageBox(const char* text, UINT type) const {
  const CModalOwner owner(nullptr);
  return ShowMessageBox(owner.get(), text, m_strAppName.c_str(), WithDefaultIcon(type));
}

std::string CWinApp::DoPromptFileName(bool opening) const {
  if (!m_docTemplate) return std::string();
  return AskDocumentFileName(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr, opening,
                             m_docTemplate->GetDocString(CSingleDocTemplate::filterName),
                             m_docTemplate->GetDocString(CSingleDocTemplate::filterExt));
}

void CWinApp::OnFileNew() {
  if (m_docTemplate) m_docTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
  const std::string path = DoPromptFileName(true);
  if (!path.empty()) m_docTemplate->OpenDocumentFile(path.c_str());
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

int AfxMessageBox(const char* text, UINT type) {
  if (g_app) return g_app->DoMessageBox(text, type);
  return ShowMessageBox(nullptr, text, "", WithDefaultIcon(type));
}

int AfxWinMain(int showCommand) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  app->m_nCmdShow = showCommand;
  app->m_strAppName = LoadResourceString(IDS_APP_TITLE);
  bool started;
  {
    // A hand-over that arrives while the program starts waits until start-up is done.
    COperationScope startUp;
    started = app->InitInstance();
  }
  if (!started) {
    if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
    return app->ExitInstance();
  }
  return app->Run();
}
