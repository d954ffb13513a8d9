#include <algorithm>
#include <memory>
#include <string>

#include "document.h"
#include "formatted_text.h"
#include "frame_wnd.h"
#include "gdi_holders.h"
#include "print_dialog.h"
#include "print_info.h"
#include "preview_view.h"
#include "print_job.h"
#include "print_status_dlg.h"
#include "print_texts.h"
#include "two_sided_order.h"
#include "printer_settings.h"
#include "view.h"
#include "win_app.h"

namespace {

// The box the printer's abort procedure hands messages to while a job prints.
CPrintStatusDlg* g_printStatus = nullptr;

BOOL CALLBACK PrintAbortProc(HDC hdc, int error) {
  (void)hdc;
  (void)error;
  if (!g_printStatus) return TRUE;
  g_printStatus->PumpMessages();
  return !g_printStatus->IsCancelled();
}

// While a job prints the main window takes no input: its commands would change the pages
// being printed. The status box stays usable.
class CPrintingSession {
 public:
  CPrintingSession(HWND mainWindow, CPrintStatusDlg& status) : m_mainWindow(mainWindow) {
    g_printStatus = &status;
    if (m_mainWindow) EnableWindow(m_mainWindow, FALSE);
  }
  ~CPrintingSession() {
    if (m_mainWindow) EnableWindow(m_mainWindow, TRUE);
    g_printStatus = nullptr;
  }
  CPrintingSession(const CPrintingSession&) = delete;
  CPrintingSession& operator=(const CPrintingSession&) = delete;

 private:
  HWND m_mainWindow;
};

WORD DialogPageNumber(UINT page) { return static_cast<WORD>(std::min<UINT>(page, 0xFFFF)); }

}  // namespace

void CView::OnFilePrint() { PrintDocument(false); }

void CView::OnFilePrintDirect() { PrintDocument(true); }

bool CView::OnPreparePrinting(CPrintInfo* info) { return DoPreparePrinting(info); }

bool CView::DoPreparePrinting(CPrintInfo* info) {
  info->m_fromPage = info->m_minPage;
  info->m_toPage = info->m_maxPage;
  if (info->m_bPreview) return true;
  if (info->m_bDirect) {
    info->m_printerDC = AppPrinterSettings().CreatePrinterDC();
    return info->m_printerDC != nullptr;
  }
  PRINTDLGA request = {};
  request.Flags = PD_ALLPAGES | PD_RETURNDC | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
  request.nMinPage = DialogPageNumber(info->m_minPage);
  request.nMaxPage = DialogPageNumber(info->m_maxPage);
  request.nFromPage = request.nMinPage;
  request.nToPage = request.nMaxPage;
  request.nCopies = 1;
  if (!RunPrintDialog(request)) return false;
  info->m_printerDC = request.hDC;
  if (request.Flags & PD_PAGENUMS) {
    info->m_fromPage = std::max<UINT>(request.nFromPage, info->m_minPage);
    info->m_toPage = std::min<UINT>(request.nToPage, info->m_maxPage);
  }
  return info->m_printerDC != nullptr;
}

void CView::OnBeginPrinting(HDC hdc, CPrintInfo* info) {
  (void)hdc;
  (void)info;
}

void CView::OnPrint(HDC hdc, CPrintInfo* info) {
  (void)info;
  OnDraw(hdc);
}

void CView::OnEndPrinting(HDC hdc, CPrintInfo* info) {
  (void)hdc;
  (void)info;
}

SIZE CView::PreviewPaperSize() const { return SIZE{kA4WidthTenthsMm, kA4HeightTenthsMm}; }

void CView::OnFilePrintPreview() {
  if (!m_pFrame || m_pFrame->IsPreviewing()) return;
  auto preview = std::make_unique<CPreviewView>(this);
  if (!preview->PreparePages() || !preview->Create(m_pFrame)) return;
  m_pFrame->BeginPreview(std::move(preview));
}

void CView::OnUpdateFilePrintPreview(CCmdUI* ui) {
  ui->Enable(m_pFrame && !m_pFrame->IsPreviewing());
}

void CView::PrintDocument(bool direct) {
  CPrintInfo info;
  info.m_bDirect = direct;
  const bool prepared = OnPreparePrinting(&info);
  CCreatedDC printer(info.m_printerDC);
  info.m_printerDC = nullptr;
  if (!prepared || !printer) return;
  const HDC hdc = printer.get();
  info.m_rectDraw = RECT{0, 0, GetDeviceCaps(hdc, HORZRES), GetDeviceCaps(hdc, VERTRES)};

  const TwoSidedPrinting twoSided = TwoSidedRequest();
  const UINT from = info.GetFromPage();
  const UINT to = info.GetToPage();
  if (!twoSided.bothSides || AppPrinterSettings().ResetForDuplex(hdc, twoSided.shortEdge)) {
    std::vector<UINT> pages;
    for (UINT page = from; page >= from && page <= to; ++page) pages.push_back(page);
    PrintJob(hdc, info, pages);
    return;
  }
  // By hand: the fronts as one job, so they come out before the user turns them.
  if (!PrintJob(hdc, info, FrontSides(from, to))) return;
  if (AfxMessageBox(kTurnStackText, MB_OKCANCEL | MB_ICONINFORMATION) != IDOK) return;
  PrintJob(hdc, info, BackSides(from, to, twoSided.faceUp));
}

bool CView::PrintJob(HDC hdc, CPrintInfo& info, const std::vector<UINT>& pages) {
  const std::string title = m_pDocument ? m_pDocument->GetTitle() : std::string();
  DOCINFOA document = {};
  document.cbSize = sizeof document;
  document.lpszDocName = title.c_str();
  const PrintJobCalls& job = CurrentPrintJobCalls();
  SetAbortProc(hdc, PrintAbortProc);
  if (job.startDoc(hdc, &document) <= 0) {
    AfxMessageBox(kStartPrintJobFailed);
    return false;
  }

  CWnd* mainWindow = AfxGetMainWnd();
  const HWND owner = mainWindow ? mainWindow->m_hWnd : m_hWnd;
  const CPrinterSettings& settings = AppPrinterSettings();
  CPrintStatusDlg status;
  status.Create(owner, title, settings.PrinterName(), settings.PortName());
  bool printed;
  UINT pagesTaken = 0;
  {
    CPrintingSession session(owner, status);
    OnBeginPrinting(hdc, &info);
    printed = PrintPages(hdc, info, pages, status, pagesTaken);
    OnEndPrinting(hdc, &info);
  }
  const bool cancelled = status.IsCancelled();
  status.DestroyWindow();
  const UINT pageCount = static_cast<UINT>(pages.size());
  if (printed) {
    if (job.endDoc(hdc) > 0) return true;
    AfxMessageBox(
        FormatText(kPrintJobRefusedFormat, settings.PrinterName().c_str(), pageCount).c_str());
    return false;
  }
  job.abortDoc(hdc);
  if (!cancelled)
    AfxMessageBox(
        FormatText(kPrintJobStoppedFormat, settings.PrinterName().c_str(), pagesTaken, pageCount).c_str());
  return false;
}

bool CView::PrintPages(HDC hdc, CPrintInfo& info, const std::vector<UINT>& pages,
                       CPrintStatusDlg& status, UINT& printed) {
  const PrintJobCalls& job = CurrentPrintJobCalls();
  // The page being printed when the printer fails is the first it did not take.
  for (printed = 0; printed < pages.size(); ++printed) {
    const UINT page = pages[printed];
    if (page != kBlankSide) {
      info.m_nCurPage = page;
      status.SetPage(page);
    }
    status.PumpMessages();
    if (status.IsCancelled() || job.startPage(hdc) <= 0) return false;
    if (page != kBlankSide) {
      const int saved = SaveDC(hdc);
      OnPrepareDC(hdc, &info);
      OnPrint(hdc, &info);
      RestoreDC(hdc, saved);
    }
    if (job.endPage(hdc) <= 0) return false;
  }
  return true;
}
