#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app_names.h"
#include "folium_app.h"
#include "folium_doc.h"
#include "folium_view.h"
#include "dib_info.h"
#include "framework_ids.h"
#include "gdi_holders.h"
#include "main_frame.h"
#include "operation_scope.h"
#include "preview_geometry.h"
#include "preview_view.h"
#include "print_dialog.h"
#include "print_job.h"
#include "printer_settings.h"
#include "resource.h"
#include "scripted_dialogs.h"
#include "temp_dir.h"
#include "viewer_document.h"

namespace {

// Pages of one colour each, so a printed sheet shows which pages it carries.
COLORREF PageColour(int index) { return RGB(20 * index + 40, 200 - 15 * index, 90); }

HENHMETAFILE FilledPage(COLORREF colour) {
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  CGdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  const RECT area = {0, 0, 190, 290};
  FillRect(dc, &area, brush.get());
  return CloseEnhMetaFile(dc);
}

// A memory device context on a white 32-bit bitmap as large as the area it reports as
// printable, standing in for the printer's.
struct FakePrinterPage {
  FakePrinterPage() {
    CMemoryDC probe(nullptr);
    width = GetDeviceCaps(probe.get(), HORZRES);
    height = GetDeviceCaps(probe.get(), VERTRES);
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    void* pixels = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<DWORD*>(pixels);
    std::memset(bits, 0xFF, static_cast<size_t>(width) * height * 4);
  }
  ~FakePrinterPage() { DeleteObject(bitmap); }

  HDC MakeDC() const {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    return dc;
  }

  bool Shows(COLORREF colour, const RECT& area) const {
    const DWORD wanted = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if ((bits[y * width + x] & 0xFFFFFF) == wanted) return true;
      }
    }
    return false;
  }
  RECT Whole() const { return RECT{0, 0, width, height}; }

  int width = 0;
  int height = 0;
  HBITMAP bitmap = nullptr;
  DWORD* bits = nullptr;
};

// What the print dialog is asked and answers, and what reaches the spooler.
struct PrintScript {
  bool confirm = true;
  WORD fromPage = 0;  // 0: all pages
  WORD toPage = 0;
  int startDocResult = 1;
  // The page (from 1) whose end the printer refuses, 0 for none; what ending the job gives.
  int refusedPage = 0;
  int endDocResult = 1;
  // A second start's window message arrives while this page ends, when set.
  int handOverAtPage = 0;
  HWND mainWindow = nullptr;
  std::vector<PRINTDLGA> requests;
  // The printer each dialog started from, "" for the system's default.
  std::vector<std::string> offeredPrinters;
  std::vector<std::string> jobNames;
  int pagesStarted = 0;
  int pagesEnded = 0;
  int jobsEnded = 0;
  int jobsAborted = 0;
  const FakePrinterPage* printer = nullptr;
};

PrintScript* g_script = nullptr;

HGLOBAL DevNamesOf(const char* driver, const char* device, const char* port) {
  const size_t header = sizeof(DEVNAMES);
  const size_t size = header + strlen(driver) + strlen(device) + strlen(port) + 3;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  char* text = static_cast<char*>(GlobalLock(block));
  auto* names = reinterpret_cast<DEVNAMES*>(text);
  names->wDriverOffset = static_cast<WORD>(header);
  lstrcpyA(text + names->wDriverOffset, driver);
  names->wDeviceOffset = static_cast<WORD>(names->wDriverOffset + strlen(driver) + 1);
  lstrcpyA(text + names->wDeviceOffset, device);
  names->wOutputOffset = static_cast<WORD>(names->wDeviceOffset + strlen(device) + 1);
  lstrcpyA(text + names->wOutputOffset, port);
  GlobalUnlock(block);
  return block;
}

// Answers like the system's dialog: the chosen printer in new blocks, the old ones freed.
BOOL WINAPI ScriptedPrintDialog(PRINTDLGA* request) {
  g_script->requests.push_back(*request);
  std::string offered;
  if (const char* names = static_cast<const char*>(GlobalLock(request->hDevNames))) {
    offered = names + reinterpret_cast<const DEVNAMES*>(names)->wDeviceOffset;
    GlobalUnlock(request->hDevNames);
  }
  g_script->offeredPrinters.push_back(offered);
  if (!g_script->confirm) return FALSE;
  if (request->hDevMode) GlobalFree(request->hDevMode);
  if (request->hDevNames) GlobalFree(request->hDevNames);
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  mode.dmOrientation = DMORIENT_PORTRAIT;
  mode.dmFields = DM_ORIENTATION;
  request->hDevMode = GlobalAlloc(GMEM_MOVEABLE, sizeof mode);
  std::memcpy(GlobalLock(request->hDevMode), &mode, sizeof mode);
  GlobalUnlock(request->hDevMode);
  request->hDevNames = DevNamesOf("winspool", "Scripted Printer", "SCRIPT:");
  if (g_script->fromPage) {
    request->Flags = (request->Flags & ~PD_ALLPAGES) | PD_PAGENUMS;
    request->nFromPage = g_script->fromPage;
    request->nToPage = g_script->toPage;
  }
  if (request->Flags & PD_RETURNDC) request->hDC = g_script->printer->MakeDC();
  return TRUE;
}

int WINAPI ScriptedStartDoc(HDC, const DOCINFOA* info) {
  g_script->jobNames.push_back(info->lpszDocName);
  return g_script->startDocResult;
}
int WINAPI ScriptedStartPage(HDC) { return ++g_script->pagesStarted; }
int WINAPI ScriptedEndPage(HDC) {
  const int page = ++g_script->pagesEnded;
  if (page == g_script->handOverAtPage) SendMessageA(g_script->mainWindow, WM_RELOADJOB, 0, 0);
  return page == g_script->refusedPage ? SP_ERROR : page;
}
int WINAPI ScriptedEndDoc(HDC) {
  ++g_script->jobsEnded;
  return g_script->endDocResult;
}
int WINAPI ScriptedAbortDoc(HDC) { return ++g_script->jobsAborted; }

const PrintJobCalls kScriptedJob = {ScriptedStartDoc, ScriptedStartPage, ScriptedEndPage,
                                    ScriptedEndDoc, ScriptedAbortDoc};

// The viewer's document, frame and view with a job of `pageCount` coloured pages, printing
// through the scripted dialog into the fake printer.
class Printing : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = OpenViewerDocument(app, folder);
    ASSERT_NE(frame, nullptr);
    script.printer = &printer;
    script.mainWindow = frame->m_hWnd;
    g_script = &script;
    previousDialog = SetPrintDialog(ScriptedPrintDialog);
    previousJob = SetPrintJobCalls(&kScriptedJob);
  }
  void TearDown() override {
    SetPrintDialog(previousDialog);
    SetPrintJobCalls(previousJob);
    g_script = nullptr;
    for (PageEntry& page : app.m_pages) DeleteEnhMetaFile(page.hMetaFile);
  }

  void LoadPages(int pageCount) {
    for (int i = 0; i < pageCount; ++i) app.m_pages.push_back({FilledPage(PageColour(i)), 190, 290});
  }
  void Command(UINT id) { SendMessageA(frame->m_hWnd, WM_COMMAND, id, 0); }

  TempDir folder;
  ScriptedDialogs dialogs;
  CFoliumApp app;
  CFrameWnd* frame = nullptr;
  FakePrinterPage printer;
  PrintScript script;
  PrintDialogFunction previousDialog = nullptr;
  const PrintJobCalls* previousJob = nullptr;
};

TEST_F(Printing, NinePagesAtFourPerSheetOfferAndPrintThreeSheetsNamedPrintPreview) {
  LoadPages(9);
  Command(ID_LAYOUT_4);
  Command(ID_FILE_PRINT);
  ASSERT_EQ(script.requests.size(), 1u);
  EXPECT_EQ(script.requests[0].nMinPage, 1);
  EXPECT_EQ(script.requests[0].nMaxPage, 3);
  EXPECT_FALSE(script.requests[0].Flags & PD_PAGENUMS);
  EXPECT_TRUE(script.requests[0].Flags & PD_RETURNDC);
  EXPECT_EQ(script.jobNames, std::vector<std::string>{"Print Preview"});
  EXPECT_EQ(script.pagesStarted, 3);
  EXPECT_EQ(script.pagesEnded, 3);
  EXPECT_EQ(script.jobsEnded, 1);
  EXPECT_EQ(script.jobsAborted, 0);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(IsWindowEnabled(frame->m_hWnd));
}

TEST_F(Printing, FromTwoToTwoPrintsOnlyTheSheetWithPagesFiveToEight) {
  LoadPages(9);
  Command(ID_LAYOUT_4);
  script.fromPage = 2;
  script.toPage = 2;
  Command(ID_FILE_PRINT);
  EXPECT_EQ(script.pagesStarted, 1);
  EXPECT_EQ(script.jobsEnded, 1);
  for (int page = 0; page < 9; ++page) {
    EXPECT_EQ(printer.Shows(PageColour(page), printer.Whole()), page >= 4 && page < 8)
        << "page " << page + 1;
  }
}

TEST_F(Printing, TheSheetFillsTheWholePrintableArea) {
  LoadPages(4);
  Command(ID_LAYOUT_4);
  Command(ID_FILE_PRINT);
  ASSERT_EQ(script.pagesEnded, 1);
  const int w = printer.width;
  const int h = printer.height;
  const RECT quarters[] = {{0, 0, w / 2, h / 2},
                           {w / 2, 0, w, h / 2},
                           {0, h / 2, w / 2, h},
                           {w / 2, h / 2, w, h}};
  for (int page = 0; page < 4; ++page) {
    for (int quarter = 0; quarter < 4; ++quarter) {
      EXPECT_EQ(printer.Shows(PageColour(page), quarters[quarter]), page == quarter)
          << "page " << page + 1 << " in quarter " << quarter + 1;
    }
  }
}

TEST_F(Printing, AJobWithoutPagesPrintsOneEmptyPage) {
  Command(ID_FILE_PRINT);
  ASSERT_EQ(script.requests.size(), 1u);
  EXPECT_EQ(script.requests[0].nMinPage, 1);
  EXPECT_EQ(script.requests[0].nMaxPage, 1);
  EXPECT_EQ(script.pagesEnded, 1);
  EXPECT_EQ(script.jobsEnded, 1);
  EXPECT_FALSE(printer.Shows(RGB(0, 0, 0), printer.Whole()));
}

TEST_F(Printing, CancellingTheDialogPrintsNothing) {
  LoadPages(3);
  script.confirm = false;
  Command(ID_FILE_PRINT);
  EXPECT_EQ(script.requests.size(), 1u);
  EXPECT_TRUE(script.jobNames.empty());
  EXPECT_EQ(script.pagesStarted, 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Printing, APrinterRefusingTheJobIsReportedOnceAndNothingPrints) {
  LoadPages(3);
  script.startDocResult = SP_ERROR;
  Command(ID_FILE_PRINT);
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Could not start print job."});
  EXPECT_EQ(script.pagesStarted, 0);
  EXPECT_EQ(script.jobsEnded + script.jobsAborted, 0);
}

TEST_F(Printing, APrinterThatStopsTakingPagesIsNamedOnceAndTheWindowTakesInputAgain) {
  LoadPages(9);
  Command(ID_LAYOUT_4);
  script.refusedPage = 2;
  Command(ID_FILE_PRINT);
  EXPECT_EQ(script.pagesStarted, 2) << "nothing more is sent after the refusal";
  EXPECT_EQ(script.jobsAborted, 1);
  EXPECT_EQ(script.jobsEnded, 0);
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>{"Printing on \"Scripted Printer\" stopped after 1 of 3 "
                                     "pages: the printer is no longer there or refused the job. "
                                     "Check the printer, then print again."});
  EXPECT_TRUE(IsWindowEnabled(frame->m_hWnd));

  dialogs.messages.clear();
  script.refusedPage = 0;
  script.endDocResult = SP_ERROR;
  Command(ID_FILE_PRINT);
  EXPECT_EQ(dialogs.messages,
            std::vector<std::string>{"The printer \"Scripted Printer\" did not take the job of "
                                     "3 pages: it is no longer there or refuses jobs. Check the "
                                     "printer, then print again."})
      << "a job the printer would not finish is no success";
}

TEST_F(Printing, AJobHandedOverWhilePrintingIsShownOnlyAfterTheSheetsOfTheFirst) {
  LoadPages(9);
  Command(ID_LAYOUT_4);
  script.handOverAtPage = 1;
  {
    // As the message loop hands out the print command.
    COperationScope printCommand;
    Command(ID_FILE_PRINT);
    EXPECT_EQ(app.m_pages.size(), 9u) << "the job printing stays until its end";
  }
  EXPECT_EQ(script.pagesEnded, 3);
  EXPECT_EQ(script.jobsEnded, 1);
  EXPECT_TRUE(printer.Shows(PageColour(8), printer.Whole())) << "the last sheet, page 9";
  // This test's viewer has no work directory: the job handed over is an empty one.
  EXPECT_TRUE(app.m_pages.empty()) << "shown once printing ended";
}

TEST_F(Printing, ADeleteConfirmedAfterAHandOverRemovesThePageTheUserSawThenShowsTheNewJob) {
  LoadPages(3);
  const HENHMETAFILE first = app.m_pages[0].hMetaFile;
  const HENHMETAFILE third = app.m_pages[2].hMetaFile;
  Command(ID_NEXT_PAGE);
  const HWND view = frame->GetActiveView()->m_hWnd;
  SendMessageA(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  size_t pagesUnderTheQuestion = 0;
  dialogs.whileMessageShown = [&] {
    SendMessageA(frame->m_hWnd, WM_RELOADJOB, 0, 0);
    pagesUnderTheQuestion = app.m_pages.size();
  };
  dialogs.messageAnswer = IDYES;
  {
    COperationScope deleteCommand;
    Command(ID_PAGE_DELETE);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Are you sure to delete this page?"});
    EXPECT_EQ(pagesUnderTheQuestion, 3u);
    ASSERT_EQ(app.m_pages.size(), 2u);
    EXPECT_EQ(app.m_pages[0].hMetaFile, first);
    EXPECT_EQ(app.m_pages[1].hMetaFile, third) << "page 2, the one shown, went";
  }
  EXPECT_TRUE(app.m_pages.empty()) << "the job handed over, shown after the delete";
}

TEST_F(Printing, ThePrinterChosenInTheDialogIsKeptButTheScreenSheetIsNot) {
  LoadPages(2);
  const int width = app.m_nSheetWidth;
  const int height = app.m_nSheetHeight;
  Command(ID_FILE_PRINT);
  EXPECT_EQ(AppPrinterSettings().PrinterName(), "Scripted Printer");
  EXPECT_EQ(AppPrinterSettings().PortName(), "SCRIPT:");
  EXPECT_EQ(app.m_nSheetWidth, width);
  EXPECT_EQ(app.m_nSheetHeight, height);
  Command(ID_FILE_PRINT);
  ASSERT_EQ(script.offeredPrinters.size(), 2u);
  EXPECT_EQ(script.offeredPrinters[1], "Scripted Printer");
}

TEST_F(Printing, PrintSetupRereadsTheSheetAndRepaintsOnOkAndOnCancel) {
  LoadPages(2);
  frame->ShowWindow(SW_SHOW);
  for (const bool confirm : {true, false}) {
    script.confirm = confirm;
    UpdateWindow(frame->m_hWnd);
    RedrawWindow(frame->m_hWnd, nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
    Command(ID_FILE_PRINT_SETUP);
    ASSERT_FALSE(script.requests.empty());
    EXPECT_TRUE(script.requests.back().Flags & PD_PRINTSETUP);
    EXPECT_FALSE(script.requests.back().Flags & PD_RETURNDC);
    RECT dirty = {};
    EXPECT_TRUE(GetUpdateRect(frame->GetActiveView()->m_hWnd, &dirty, FALSE))
        << (confirm ? "OK" : "Cancel");
  }
  EXPECT_EQ(script.pagesStarted, 0);
}

// A bar button as the preview's update handlers see it.
struct RecordedButton : CCmdUI {
  explicit RecordedButton(UINT id) : CCmdUI(id) {}
  void Enable(bool on) override { enabled = on; }
  void SetCheck(int) override {}
  void SetText(const char* shown) override { text = shown; }
  bool enabled = false;
  std::string text;
};

// The screen's view, zoomed and scrolled, shows the part of the sheet under the window (the
// same buffered paint as the preview's).
TEST_F(Printing, TheZoomedScrolledViewShowsThePageUnderItsMiddle) {
  LoadPages(1);
  frame->ShowWindow(SW_SHOW);
  static_cast<CMainFrame*>(frame)->OptionsPanel().ShowWindow(SW_HIDE);
  for (int step = 0; step < 6; ++step) Command(ID_ZOOM_IN);
  auto* view = static_cast<CScrollView*>(frame->GetActiveView());
  RECT client;
  GetClientRect(view->m_hWnd, &client);
  const SIZE total = view->GetTotalSize();
  view->ScrollToPosition(POINT{(total.cx - client.right) / 2, (total.cy - client.bottom) / 2});
  ASSERT_GT(view->GetScrollPosition().y, 0);
  InvalidateRect(view->m_hWnd, nullptr, FALSE);
  UpdateWindow(view->m_hWnd);
  CClientDC dc(view->m_hWnd);
  EXPECT_EQ(GetPixel(dc.get(), client.right / 2, client.bottom / 2) & 0xFFFFFF, PageColour(0));
}

class PrintPreview : public Printing {
 protected:
  void Open(int pageCount, UINT layout) {
    LoadPages(pageCount);
    Command(layout);
    frame->ShowWindow(SW_SHOW);
    Command(ID_FILE_PRINT_PREVIEW);
  }
  CPreviewView* Preview() const { return frame->GetPreview(); }
  struct ButtonState {
    bool enabled;
    std::string text;
  };
  ButtonState Button(UINT id) {
    RecordedButton button(id);
    EXPECT_TRUE(frame->RouteCommand(id, &button));
    return ButtonState{button.enabled, button.text};
  }
  void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  HWND ViewWindow() const { return frame->GetActiveView()->m_hWnd; }
  HWND ToolBarWindow() const { return GetDlgItem(frame->m_hWnd, IDW_TOOLBAR); }
};

TEST_F(PrintPreview, OpensWithoutADialogOnEverySheetInPlaceOfTheViewAndToolbar) {
  Open(9, ID_LAYOUT_4);
  EXPECT_TRUE(script.requests.empty());
  ASSERT_TRUE(frame->IsPreviewing());
  const CPrintInfo& info = Preview()->PrintInfo();
  EXPECT_TRUE(info.m_bPreview);
  EXPECT_EQ(info.GetMinPage(), 1u);
  EXPECT_EQ(info.GetMaxPage(), 3u);
  EXPECT_EQ(info.m_nCurPage, 1u);
  EXPECT_TRUE(IsWindowVisible(Preview()->m_hWnd));
  EXPECT_FALSE(IsWindowVisible(ViewWindow()));
  EXPECT_FALSE(IsWindowVisible(ToolBarWindow()));
  EXPECT_FALSE(Button(ID_FILE_PRINT_PREVIEW).enabled);
  EXPECT_FALSE(Button(ID_VIEW_TOOLBAR).enabled);
  EXPECT_EQ(script.pagesStarted, 0);
}

TEST_F(PrintPreview, AJobWithoutPagesPreviewsOneEmptyPage) {
  Open(0, ID_LAYOUT_1);
  ASSERT_TRUE(frame->IsPreviewing());
  EXPECT_EQ(Preview()->PrintInfo().GetMinPage(), 1u);
  EXPECT_EQ(Preview()->PrintInfo().GetMaxPage(), 1u);
  EXPECT_TRUE(script.requests.empty());
}

TEST_F(PrintPreview, TheBarFollowsTheJobAtOneTwoAndThreeSheets) {
  Open(1, ID_LAYOUT_1);
  ASSERT_TRUE(frame->IsPreviewing());
  EXPECT_FALSE(Button(AFX_ID_PREVIEW_NUMPAGE).enabled);
  EXPECT_EQ(Button(AFX_ID_PREVIEW_NUMPAGE).text, "&Two Page");
  EXPECT_FALSE(Button(AFX_ID_PREVIEW_NEXT).enabled);
  EXPECT_FALSE(Button(AFX_ID_PREVIEW_PREV).enabled);
  EXPECT_TRUE(Button(AFX_ID_PREVIEW_ZOOMIN).enabled);
  EXPECT_FALSE(Button(AFX_ID_PREVIEW_ZOOMOUT).enabled);

  // The job grows under the preview: it takes the new page count at once.
  LoadPages(1);
  frame->GetActiveDocument()->UpdateAllViews(nullptr);
  EXPECT_EQ(Preview()->PrintInfo().GetMaxPage(), 2u);
  EXPECT_TRUE(Button(AFX_ID_PREVIEW_NUMPAGE).enabled);
  Command(AFX_ID_PREVIEW_NUMPAGE);
  EXPECT_EQ(Button(AFX_ID_PREVIEW_NUMPAGE).text, "&One Page");
  EXPECT_FALSE(Button(AFX_ID_PREVIEW_NEXT).enabled);
  EXPECT_EQ(Preview()->Layout().count, 2);

  LoadPages(1);
  frame->GetActiveDocument()->UpdateAllViews(nullptr);
  EXPECT_TRUE(Button(AFX_ID_PREVIEW_NEXT).enabled);
  Command(AFX_ID_PREVIEW_NEXT);
  EXPECT_EQ(Preview()->PrintInfo().m_nCurPage, 2u);
  EXPECT_EQ(Preview()->StatusText(), "Pages 2-3");
  EXPECT_FALSE(Button(AFX_ID_PREVIEW_NEXT).enabled);
  EXPECT_TRUE(Button(AFX_ID_PREVIEW_PREV).enabled);
  Command(AFX_ID_PREVIEW_NUMPAGE);
  EXPECT_TRUE(Button(AFX_ID_PREVIEW_NEXT).enabled);
  EXPECT_EQ(Preview()->StatusText(), "Page 2");

  // A shrinking job never leaves the preview beyond its last page.
  for (int i = 0; i < 2; ++i) {
    DeleteEnhMetaFile(app.m_pages.back().hMetaFile);
    app.m_pages.pop_back();
  }
  frame->GetActiveDocument()->UpdateAllViews(nullptr);
  EXPECT_EQ(Preview()->PrintInfo().GetMaxPage(), 1u);
  EXPECT_EQ(Preview()->PrintInfo().m_nCurPage, 1u);
}

TEST_F(PrintPreview, KeysTurnPagesAtTheWholeZoomAndScrollCloserIn) {
  Open(12, ID_LAYOUT_4);
  ASSERT_TRUE(frame->IsPreviewing());
  const HWND preview = Preview()->m_hWnd;
  SendMessageA(preview, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(Preview()->PrintInfo().m_nCurPage, 2u);
  SendMessageA(preview, WM_KEYDOWN, VK_END, 0);
  EXPECT_EQ(Preview()->PrintInfo().m_nCurPage, 3u);
  SendMessageA(preview, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(Preview()->PrintInfo().m_nCurPage, 1u);
  Command(AFX_ID_PREVIEW_ZOOMIN);
  Command(AFX_ID_PREVIEW_ZOOMIN);
  EXPECT_EQ(Preview()->Zoom(), PreviewZoom::Closest);
  EXPECT_FALSE(Button(AFX_ID_PREVIEW_ZOOMIN).enabled);
  const LONG top = Preview()->GetScrollPosition().y;
  SendMessageA(preview, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_GT(Preview()->GetScrollPosition().y, top);
  EXPECT_EQ(Preview()->PrintInfo().m_nCurPage, 1u);
  SendMessageA(preview, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(Preview()->GetScrollPosition().y, 0);
  Command(AFX_ID_PREVIEW_ZOOMOUT);
  Command(AFX_ID_PREVIEW_ZOOMOUT);
  EXPECT_EQ(Preview()->Zoom(), PreviewZoom::Whole);
  EXPECT_EQ(Preview()->GetScrollPosition().y, 0);
}

TEST_F(PrintPreview, EscapeAndCloseBringBackTheViewAndToolbarAsTheyWere) {
  LoadPages(3);
  frame->ShowWindow(SW_SHOW);
  Command(ID_ZOOM_IN);
  Command(ID_ZOOM_IN);
  auto* view = static_cast<CScrollView*>(frame->GetActiveView());
  view->ScrollToPosition(POINT{30, 40});
  const POINT scrolled = view->GetScrollPosition();
  Command(ID_VIEW_TOOLBAR);
  ASSERT_FALSE(IsWindowVisible(ToolBarWindow()));

  Command(ID_FILE_PRINT_PREVIEW);
  ASSERT_TRUE(frame->IsPreviewing());
  SendMessageA(Preview()->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
  PumpMessages();
  ASSERT_FALSE(frame->IsPreviewing());
  EXPECT_TRUE(IsWindowVisible(ViewWindow()));
  EXPECT_FALSE(IsWindowVisible(ToolBarWindow()));
  EXPECT_EQ(view->GetScrollPosition().x, scrolled.x);
  EXPECT_EQ(view->GetScrollPosition().y, scrolled.y);

  Command(ID_VIEW_TOOLBAR);
  Command(ID_FILE_PRINT_PREVIEW);
  Command(AFX_ID_PREVIEW_CLOSE);
  EXPECT_FALSE(frame->IsPreviewing());
  EXPECT_TRUE(IsWindowVisible(ToolBarWindow()));
  EXPECT_TRUE(IsWindowVisible(ViewWindow()));
}

TEST_F(PrintPreview, PrintLeavesThePreviewAndPrintsThroughTheDialog) {
  Open(9, ID_LAYOUT_4);
  Command(AFX_ID_PREVIEW_PRINT);
  EXPECT_FALSE(frame->IsPreviewing());
  ASSERT_EQ(script.requests.size(), 1u);
  EXPECT_EQ(script.pagesEnded, 3);
  EXPECT_EQ(script.jobsEnded, 1);
}

// The colour of a screen point of the window.
COLORREF PixelOf(HDC dc, POINT at) { return GetPixel(dc, at.x, at.y) & 0xFFFFFF; }

TEST_F(PrintPreview, EachPaperShowsItsPrintedSheetInThePrintableArea) {
  Open(8, ID_LAYOUT_4);
  ASSERT_TRUE(frame->IsPreviewing());
  // Nothing may stand in front of the papers.
  static_cast<CMainFrame*>(frame)->OptionsPanel().ShowWindow(SW_HIDE);
  Command(AFX_ID_PREVIEW_NUMPAGE);
  UpdateWindow(Preview()->m_hWnd);
  const PreviewLayout layout = Preview()->Layout();
  ASSERT_EQ(layout.count, 2);
  CClientDC dc(Preview()->m_hWnd);
  for (int paper = 0; paper < 2; ++paper) {
    const RECT area = PrintableRectOnScreen(layout.papers[paper], Preview()->Page());
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    // The middle of each quarter of the printable area carries one page of the sheet.
    const POINT middles[] = {{area.left + w / 4, area.top + h / 4},
                             {area.left + 3 * w / 4, area.top + h / 4},
                             {area.left + w / 4, area.top + 3 * h / 4},
                             {area.left + 3 * w / 4, area.top + 3 * h / 4}};
    for (int quarter = 0; quarter < 4; ++quarter) {
      EXPECT_EQ(PixelOf(dc.get(), middles[quarter]), PageColour(4 * paper + quarter))
          << "paper " << paper + 1 << " quarter " << quarter + 1;
    }
  }
  // Beside the papers: the grey background.
  EXPECT_EQ(PixelOf(dc.get(), POINT{2, 2}), GetSysColor(COLOR_APPWORKSPACE) & 0xFFFFFF);

  // Closer in, scrolled to the first paper's middle: around it, its four pages.
  Command(AFX_ID_PREVIEW_ZOOMIN);
  UpdateWindow(Preview()->m_hWnd);
  const PreviewLayout zoomed = Preview()->Layout();
  const POINT scroll = Preview()->GetScrollPosition();
  ASSERT_GT(scroll.y, 0);
  const RECT& paper = zoomed.papers[0];
  const POINT middle = {(paper.left + paper.right) / 2 - scroll.x,
                        (paper.top + paper.bottom) / 2 - scroll.y};
  const int dx = (paper.right - paper.left) / 8;
  const int dy = (paper.bottom - paper.top) / 8;
  const POINT around[] = {{middle.x - dx, middle.y - dy},
                          {middle.x + dx, middle.y - dy},
                          {middle.x - dx, middle.y + dy},
                          {middle.x + dx, middle.y + dy}};
  for (int quarter = 0; quarter < 4; ++quarter) {
    EXPECT_EQ(PixelOf(dc.get(), around[quarter]), PageColour(quarter))
        << "zoomed, quarter " << quarter + 1;
  }
}

}  // namespace
