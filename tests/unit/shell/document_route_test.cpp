#include <gtest/gtest.h>

#include "file_bytes.h"
#include "folium_app.h"
#include "folium_doc.h"
#include "folium_view.h"
#include "gdi_holders.h"
#include "main_frame.h"
#include "program_directory.h"
#include "resource.h"
#include "scripted_dialogs.h"
#include "shell_registration.h"
#include "temp_dir.h"
#include "viewer_document.h"

namespace {

HENHMETAFILE DrawnPage() {
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  Rectangle(dc, 10, 10, 200, 300);
  return CloseEnhMetaFile(dc);
}

// The viewer's own template, document, frame and view, with a two-page job in the store.
class FoliumDocument : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = OpenViewerDocument(app, folder);
    ASSERT_NE(frame, nullptr);
    app.m_pages = {{DrawnPage(), 190, 290}, {DrawnPage(), 190, 290}};
    pages = app.m_pages;
  }

  std::string Caption() const {
    char text[256] = "";
    GetWindowTextA(frame->m_hWnd, text, sizeof text);
    return text;
  }

  bool PagesUntouched() const {
    if (app.m_pages.size() != pages.size()) return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (app.m_pages[i].hMetaFile != pages[i].hMetaFile) return false;
    }
    return true;
  }

  TempDir folder;
  ScriptedDialogs dialogs;
  CFoliumApp app;
  CFrameWnd* frame = nullptr;
  std::vector<PageEntry> pages;
};

TEST_F(FoliumDocument, OpeningAFileKeepsTheCaptionAndThePages) {
  const std::string job = folder.file("job.fol");
  WriteFileBytes(job, Bytes{'x'});
  dialogs.answer = job;
  SendMessageA(frame->m_hWnd, WM_COMMAND, ID_FILE_OPEN, 0);
  EXPECT_EQ(dialogs.requests.size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(app.GetDocTemplate()->GetDocument()->GetPathName(), job);
  EXPECT_EQ(Caption(), "Print Preview - folium");
  EXPECT_TRUE(PagesUntouched());
}

TEST_F(FoliumDocument, CtrlSSavesAnEmptyFileAndKeepsTheCaptionAndThePages) {
  const std::string job = folder.file("job.fol");
  dialogs.answer = job;
  SendMessageA(frame->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_FILE_SAVE, 1), 0);
  ASSERT_TRUE(FileExists(job));
  EXPECT_TRUE(ReadFileBytes(job).empty());
  EXPECT_EQ(Caption(), "Print Preview - folium");
  EXPECT_TRUE(PagesUntouched());
  SendMessageA(frame->m_hWnd, WM_COMMAND, MAKEWPARAM(ID_FILE_NEW, 1), 0);
  EXPECT_EQ(Caption(), "Print Preview - folium");
  EXPECT_TRUE(PagesUntouched());
}

TEST_F(FoliumDocument, TheViewsClassIsWhiteWithTheArrowAndNeverErasesItself) {
  HWND view = frame->GetActiveView()->m_hWnd;
  EXPECT_EQ(GetClassLongPtrA(view, GCL_STYLE), static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW));
  EXPECT_EQ(GetClassLongPtrA(view, GCLP_HBRBACKGROUND),
            reinterpret_cast<ULONG_PTR>(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(GetClassLongPtrA(view, GCLP_HCURSOR),
            reinterpret_cast<ULONG_PTR>(LoadCursor(nullptr, IDC_ARROW)));
  EXPECT_EQ(GetClassLongPtrA(view, GCLP_HICON), 0u);

  CMemoryDC dc(nullptr);
  CGdiObject<HBITMAP> bitmap(CreateBitmap(8, 8, 1, 32, nullptr));
  CScopedSelect selected(dc.get(), bitmap.get());
  ASSERT_TRUE(selected.selected());
  const RECT all = {0, 0, 8, 8};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EXPECT_NE(SendMessageA(view, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 0);
  EXPECT_EQ(GetPixel(dc.get(), 4, 4), RGB(0, 0, 0)) << "the white class background was painted";
}

TEST(FoliumResources, CtrlNOAndSGiveTheDocumentCommands) {
  HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
  ASSERT_NE(table, nullptr);
  ACCEL keys[64];
  const int count = CopyAcceleratorTableA(table, keys, 64);
  DestroyAcceleratorTable(table);
  auto commandOf = [&](WORD key) {
    for (int i = 0; i < count; ++i) {
      if (keys[i].key == key && keys[i].fVirt == (FVIRTKEY | FCONTROL)) return keys[i].cmd;
    }
    return WORD{0};
  };
  EXPECT_EQ(commandOf('N'), ID_FILE_NEW);
  EXPECT_EQ(commandOf('O'), ID_FILE_OPEN);
  EXPECT_EQ(commandOf('S'), ID_FILE_SAVE);
}

std::vector<ShellRegistryEntry> g_written;

bool NothingThere(const char*, std::string&) { return false; }

bool RecordWrite(const char* key, const char* value) {
  g_written.push_back({key, value});
  return true;
}

TEST(FoliumShellRegistration, FolFilesOpenInTheViewerWithItsIcon) {
  CFoliumApp app;
  app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(IDR_MAINFRAME, CFoliumDoc::Make,
                                                          CMainFrame::Make, CFoliumView::Make));
  app.EnableShellOpen();
  const ClassesRootAccess previous = SetClassesRootAccess({NothingThere, RecordWrite});
  app.RegisterShellFileTypes();
  SetClassesRootAccess(previous);
  const std::string program = ProgramPath();
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Folium.Document", "Folium Document"},
      {"Folium.Document\\DefaultIcon", program + ",0"},
      {"Folium.Document\\shell\\open\\command", "\"" + program + "\" \"%1\""},
      {".fol", "Folium.Document"}};
  std::vector<std::pair<std::string, std::string>> written;
  for (const ShellRegistryEntry& entry : g_written) written.emplace_back(entry.key, entry.value);
  EXPECT_EQ(written, expected);
}

}  // namespace
