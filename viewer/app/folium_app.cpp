#include "folium_app.h"

#include "about_dlg.h"
#include "ansi_code_page.h"
#include "app_names.h"
#include "app_paths.h"
#include "common_controls.h"
#include "file_search.h"
#include "formatted_text.h"
#include "job_discovery.h"
#include "main_frame.h"
#include "page_export.h"
#include "print_dialog.h"
#include "printer_settings.h"
#include "program_directory.h"
#include "queue_purge.h"
#include "single_instance.h"
#include "resource.h"
#include "view/folium_doc.h"
#include "view/folium_view.h"
#include "view/sheet_layout.h"
#include "work_directory.h"

char g_szOptionFile[MAX_PATH] = "";

CFoliumApp::CFoliumApp() {
  // Empty, never cut, when the path would not fit: the watermark list is then neither read
  // nor saved.
  CopyIntoBuffer(OptionFilePath(ProgramPath()), g_szOptionFile, sizeof g_szOptionFile,
                 AnsiLeadBytes());
}

CFoliumApp& FoliumApp() { return static_cast<CFoliumApp&>(*AfxGetApp()); }

bool CFoliumApp::InitInstance() {
  ClaimSingleInstanceOrHandOver();
  const std::string programPath = ProgramPath();
  if (programPath.empty()) {
    DoMessageBox(kNoProgramPathText, MB_OK | MB_ICONSTOP);
    return false;
  }

  InitBarControls();
  SetRegistryKey(kProfileRegistryKey);

  AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, CFoliumDoc::Make,
                                                      CMainFrame::Make, CFoliumView::Make));
  EnableShellOpen();
  RegisterShellFileTypes();

  CCommandLineInfo commandLine;
  ParseCommandLine(commandLine);
  if (!ProcessShellCommand(commandLine)) return false;

  const std::string besideProgram = WorkDirectoryPath(programPath);
  const std::string perUser = PerUserWorkDirectoryPath(TemporaryDirectory());
  m_strWorkDir = ChooseWorkDirectory(besideProgram, perUser);
  if (m_strWorkDir.empty()) {
    DoMessageBox(FormatText(kNoWorkDirectoryFormat, besideProgram.c_str(), perUser.c_str()).c_str(),
                 MB_OK | MB_ICONSTOP);
  }
  ReloadJob();
  if (CDocument* document = GetDocTemplate()->GetDocument()) document->UpdateAllViews(nullptr);

  m_pMainWnd->ShowWindow(SW_SHOWMAXIMIZED);
  UpdateWindow(m_pMainWnd->m_hWnd);
  UpdateSheetSize();
  ReportUnwrittenPages();
  return true;
}

int CFoliumApp::ExitInstance() {
  // A start that ended before the work directory (a document that would not open) never
  // loaded the job: its queued jobs stay for the next start instead of being lost unseen.
  // The same test spares the page-file sweep, which has no folder then.
  if (!m_strWorkDir.empty()) DeleteQueuedJobs(m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr);
  ReleaseAllPages();
  if (!m_strWorkDir.empty()) DeleteMatchingFiles(m_strWorkDir, kPageFilePattern);
  DiscardSecuredJob();
  return CWinApp::ExitInstance();
}

bool CFoliumApp::OnCmdMsg(UINT id, CCmdUI* ui) {
  static const CommandEntry<CFoliumApp> kCommands[] = {
      {ID_APP_ABOUT, &CFoliumApp::OnAppAbout, nullptr},
      {ID_FILE_NEW, &CWinApp::OnFileNew, nullptr},
      {ID_FILE_OPEN, &CWinApp::OnFileOpen, nullptr},
      {ID_FILE_SAVE_AS_IMAGE, &CFoliumApp::OnSaveAsImage, nullptr},
      {ID_FILE_PRINT_SETUP, &CFoliumApp::OnFilePrintSetup, nullptr},
      {ID_FILE_PRINT_BOTH_SIDES, &CFoliumApp::OnPrintBothSides,
       &CFoliumApp::OnUpdatePrintBothSides},
      {ID_FILE_OUTPUT_FACE_UP, &CFoliumApp::OnOutputFaceUp, &CFoliumApp::OnUpdateOutputFaceUp},
      {ID_FILE_GATHER_JOBS, &CFoliumApp::OnGatherJobs, &CFoliumApp::OnUpdateGatherJobs},
  };
  return DispatchCommand(this, kCommands, id, ui);
}

void CFoliumApp::OnAppAbout() {
  CAboutDlg about;
  about.DoModal();
}

bool CFoliumApp::UpdateSheetSize() {
  SIZE area;
  SIZE sheet;
  const bool read = AppPrinterSettings().ReadPrintableArea(area) &&
                    SheetSizeFromPrintableArea(area.cx, area.cy, sheet);
  if (read) {
    m_nSheetWidth = sheet.cx;
    m_nSheetHeight = sheet.cy;
  }
  CSingleDocTemplate* docTemplate = GetDocTemplate();
  if (CDocument* document = docTemplate ? docTemplate->GetDocument() : nullptr)
    document->UpdateAllViews(nullptr);
  return read;
}

void CFoliumApp::OnFilePrintSetup() {
  PRINTDLGA request = {};
  request.Flags = PD_PRINTSETUP;
  RunPrintDialog(request);
  UpdateSheetSize();
}

void CFoliumApp::OnSaveAsImage() {
  auto* frame = static_cast<CFrameWnd*>(m_pMainWnd);
  // Progress shows in the message pane, repainted at once: the export runs to its end
  // inside this command without pumping messages.
  SaveJobAsImages(frame->m_hWnd, Profile(), m_pageFiles, [frame](int page, int pageCount) {
    frame->SetMessageText(SavingPageText(page, pageCount).c_str());
    RedrawWindow(frame->m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  });
  frame->SetMessageText(nullptr);
}

void CFoliumApp::ShowStoreMessage(const std::string& text) { DoMessageBox(text.c_str(), MB_OK); }
