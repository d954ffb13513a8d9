#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>

#include "app/app_names.h"
#include "discovery_fixture.h"
#include "emf_pages.h"
#include "file_search.h"
#include "message_box.h"
#include "page_store.h"
#include "spool_test_support.h"

namespace {

// A display of 320 mm x 240 mm at 1024 x 768 pixels: 31.25 hundredths of a mm per pixel.
bool FixedDisplay(DisplayMetrics& metrics) {
  metrics = {320, 240, 1024, 768};
  return true;
}
bool NoDisplay(DisplayMetrics&) { return false; }
int g_displayQueries = 0;
bool CountedDisplay(DisplayMetrics& metrics) {
  ++g_displayQueries;
  return FixedDisplay(metrics);
}

std::map<HENHMETAFILE, int> g_deletions;
void RecordDeletion(HENHMETAFILE metafile) {
  ++g_deletions[metafile];
  DeleteEnhMetaFile(metafile);
}

std::vector<std::string> g_messages;
int RecordMessage(HWND, const char* text, const char* caption, UINT type) {
  g_messages.push_back(std::string(caption) + "|" + text + "|" + std::to_string(type));
  return IDOK;
}

// Hands out every metafile the store ever held, so a test can check each was deleted once.
class PageStoreTest : public DiscoveryFixture {
 protected:
  void SetUp() override {
    DiscoveryFixture::SetUp();
    g_deletions.clear();
    g_messages.clear();
    m_previousMetrics = SetDisplayMetricsSource(FixedDisplay);
    m_previousDeleter = SetMetafileDeleter(RecordDeletion);
    m_previousMessage = SetMessageBoxHook(RecordMessage);
    m_store.m_strWorkDir = m_work.path();
  }
  void TearDown() override {
    m_store.ReleaseAllPages();
    SetMessageBoxHook(m_previousMessage);
    SetMetafileDeleter(m_previousDeleter);
    SetDisplayMetricsSource(m_previousMetrics);
    DiscoveryFixture::TearDown();
  }

  std::string WritePage(const std::string& name, const PageDrawing& drawing = PageDrawing()) {
    const std::string path = WorkFile(name);
    WriteFileBytes(path, DrawEmfPage(drawing));
    return path;
  }

  void Remember() {
    for (const PageEntry& page : m_store.m_pages) m_seen.push_back(page.hMetaFile);
  }

  void ExpectEachSeenHandleDeletedOnce() {
    for (HENHMETAFILE handle : m_seen) EXPECT_EQ(g_deletions[handle], 1) << handle;
    for (const auto& [handle, count] : g_deletions)
      EXPECT_NE(std::find(m_seen.begin(), m_seen.end(), handle), m_seen.end()) << "unknown " << handle;
  }

  CPageStore m_store;
  std::vector<HENHMETAFILE> m_seen;

 private:
  DisplayMetricsSource m_previousMetrics = nullptr;
  MetafileDeleter m_previousDeleter = nullptr;
  MessageBoxHook m_previousMessage = nullptr;
};

TEST(PageSize, FollowsTheFrameAndTheDisplayResolution) {
  DisplayMetrics display;
  FixedDisplay(display);
  int width = 0;
  int height = 0;
  ASSERT_TRUE(PageSizeInPixels(RECTL{0, 0, 21000, 29700}, display, width, height));
  EXPECT_EQ(width, 672);   // 21000 / 31.25
  EXPECT_EQ(height, 950);  // 950.4 rounds down
  ASSERT_TRUE(PageSizeInPixels(RECTL{-100, -100, 11, 11}, display, width, height));
  EXPECT_EQ(width, 4);  // 3.55 + 0.5
}

TEST(PageSize, RejectsEmptyInvertedAndHugeFramesAndBrokenMetrics) {
  DisplayMetrics display;
  FixedDisplay(display);
  int width = 0;
  int height = 0;
  EXPECT_FALSE(PageSizeInPixels(RECTL{500, 0, 500, 29700}, display, width, height));
  EXPECT_FALSE(PageSizeInPixels(RECTL{0, 0, 21000, -29700}, display, width, height));
  EXPECT_FALSE(PageSizeInPixels(RECTL{0, 0, 15, 29700}, display, width, height));  // 0.48 px
  // The widest frame the header can hold still converts without overflow.
  EXPECT_TRUE(PageSizeInPixels(RECTL{-2147483647 - 1, 0, 2147483647, 100}, display, width, height));
  EXPECT_GT(width, 0);
  DisplayMetrics zero = {320, 240, 0, 768};
  EXPECT_FALSE(PageSizeInPixels(RECTL{0, 0, 21000, 29700}, zero, width, height));
}

TEST_F(PageStoreTest, LoadsAPageFileWithItsDisplaySize) {
  PageEntry entry;
  ASSERT_TRUE(m_store.LoadPageFile(WritePage("p.emf"), entry));
  EXPECT_NE(entry.hMetaFile, nullptr);
  EXPECT_EQ(entry.nWidth, 672);
  EXPECT_EQ(entry.nHeight, 950);
  DeleteEnhMetaFile(entry.hMetaFile);
}

TEST_F(PageStoreTest, RefusesFilesThatAreNotUsablePages) {
  PageEntry entry;
  EXPECT_FALSE(m_store.LoadPageFile(WorkFile("missing.emf"), entry));

  const Bytes page = DrawEmfPage(PageDrawing());
  WriteFileBytes(WorkFile("short.emf"), Bytes(page.begin(), page.begin() + 43));
  EXPECT_FALSE(m_store.LoadPageFile(WorkFile("short.emf"), entry));

  Bytes wrongType = page;
  PutU32(wrongType, 0, 2);
  WriteFileBytes(WorkFile("type.emf"), wrongType);
  EXPECT_FALSE(m_store.LoadPageFile(WorkFile("type.emf"), entry));

  Bytes wrongSignature = page;
  PutU32(wrongSignature, 40, 0x20464D45);
  WriteFileBytes(WorkFile("sig.emf"), wrongSignature);
  EXPECT_FALSE(m_store.LoadPageFile(WorkFile("sig.emf"), entry));

  Bytes emptyFrame = page;
  PutU32(emptyFrame, 32, GetU32(emptyFrame, 24));  // right = left
  WriteFileBytes(WorkFile("flat.emf"), emptyFrame);
  EXPECT_FALSE(m_store.LoadPageFile(WorkFile("flat.emf"), entry));

  SetDisplayMetricsSource(NoDisplay);
  EXPECT_FALSE(m_store.LoadPageFile(WritePage("fine.emf"), entry));
  EXPECT_EQ(entry.hMetaFile, nullptr);
}

TEST_F(PageStoreTest, LoadsRealMetafilesWhateverTheirFrames) {
  for (const char* name :
       {"hughbeEmfReader__win_clipart_car.emf", "hughbeEmfReader__LO_image004.emf",
        "hughbeEmfReader__LO_37281_reduced.emf", "hughbeEmfReader__LO_1.emf",
        "hughbeEmfReader__spoolpage_EMFSpool_0001.emf"}) {
    SCOPED_TRACE(name);
    PageEntry entry;
    const std::string path = std::string(QUILLOR_REAL_FIXTURES) + "\\emf\\" + name;
    const Bytes bytes = ReadFileBytes(path);
    ASSERT_TRUE(m_store.LoadPageFile(path, entry));
    const double frameWidth = static_cast<double>(static_cast<LONG>(GetU32(bytes, 32))) -
                              static_cast<LONG>(GetU32(bytes, 24));
    EXPECT_EQ(entry.nWidth, static_cast<int>(frameWidth / 31.25 + 0.5));
    if (entry.hMetaFile) DeleteEnhMetaFile(entry.hMetaFile);
  }
}

TEST_F(PageStoreTest, LoadAllPagesSkipsUnusablePageFilesSilently) {
  Bytes flat = DrawEmfPage(PageDrawing());
  PutU32(flat, 32, GetU32(flat, 24));  // loads, but its frame has no width
  WriteFileBytes(WorkFile("flat.emf"), flat);
  m_store.m_pageFiles = {WritePage("a.emf"), WorkFile("gone.emf"), WorkFile("flat.emf"),
                         WritePage("b.emf")};
  g_displayQueries = 0;
  SetDisplayMetricsSource(CountedDisplay);
  EXPECT_EQ(m_store.LoadAllPages(), 2);
  EXPECT_EQ(g_displayQueries, 1) << "the display is asked once per job";
  EXPECT_EQ(m_store.m_pages[1].nWidth, 672);
  EXPECT_TRUE(g_messages.empty());
  Remember();
  m_store.ReleaseAllPages();
  EXPECT_TRUE(m_store.m_pages.empty());
  ExpectEachSeenHandleDeletedOnce();
}

TEST_F(PageStoreTest, InsertsBlankPagesWithinBoundsEachWithItsOwnHandle) {
  m_store.InsertBlankPage(0);  // into an empty job: appends
  ASSERT_EQ(m_store.m_pages.size(), 1u);
  EXPECT_EQ(m_store.m_pages[0].nWidth, 672);
  EXPECT_EQ(m_store.m_pages[0].nHeight, 950);
  m_store.InsertBlankPage(1);  // at the count: appends
  m_store.InsertBlankPage(3);  // beyond: nothing
  m_store.InsertBlankPage(-1);
  ASSERT_EQ(m_store.m_pages.size(), 2u);
  EXPECT_NE(m_store.m_pages[0].hMetaFile, m_store.m_pages[1].hMetaFile);
  EXPECT_TRUE(g_messages.empty());

  Remember();
  m_store.DeletePage(0);
  // The other blank page still plays.
  const HDC dc = CreateCompatibleDC(nullptr);
  const RECT target = {0, 0, 67, 95};
  EXPECT_TRUE(PlayEnhMetaFile(dc, m_store.m_pages[0].hMetaFile, &target));
  DeleteDC(dc);
}

TEST_F(PageStoreTest, InsertPlacesTheBlankPageBeforeTheIndexedPage) {
  m_store.m_pageFiles = {WritePage("a.emf"), WritePage("b.emf")};
  m_store.LoadAllPages();
  const HENHMETAFILE a = m_store.m_pages[0].hMetaFile;
  const HENHMETAFILE b = m_store.m_pages[1].hMetaFile;
  m_store.InsertBlankPage(1);
  ASSERT_EQ(m_store.m_pages.size(), 3u);
  EXPECT_EQ(m_store.m_pages[0].hMetaFile, a);
  EXPECT_EQ(m_store.m_pages[2].hMetaFile, b);
}

TEST_F(PageStoreTest, AMissingTemplateIsReportedOnEachInsertAndChangesNothing) {
  m_store.m_strBlankFile = WorkFile("no-blank.emf");
  m_store.InsertBlankPage(0);
  m_store.InsertBlankPage(0);
  EXPECT_TRUE(m_store.m_pages.empty());
  const std::string expected = std::string(kAppTitle) +
                               "|Load blank EMF file failed. The blank-page template \"" +
                               WorkFile("no-blank.emf") + "\" is missing or damaged. Copy blank.emf "
                               "from the folium package back into that folder to insert blank pages.|" +
                               std::to_string(MB_OK);
  EXPECT_EQ(g_messages, (std::vector<std::string>{expected, expected}));
}

TEST_F(PageStoreTest, DeleteWithinBoundsReleasesThatPageOnlyAndKeepsThePageFiles) {
  for (int i = 0; i < 5; ++i) m_store.m_pageFiles.push_back(WritePage("p" + std::to_string(i) + ".emf"));
  m_store.LoadAllPages();
  Remember();
  const HENHMETAFILE third = m_store.m_pages[2].hMetaFile;
  m_store.DeletePage(5);
  m_store.DeletePage(-1);
  EXPECT_TRUE(g_deletions.empty());
  m_store.DeletePage(1);
  ASSERT_EQ(m_store.m_pages.size(), 4u);
  EXPECT_EQ(m_store.m_pages[1].hMetaFile, third);
  EXPECT_EQ(m_store.m_pageFiles.size(), 5u) << "export still sees every page file";
  while (!m_store.m_pages.empty()) m_store.DeletePage(0);
  ExpectEachSeenHandleDeletedOnce();
}

TEST_F(PageStoreTest, MovesAndTurnsKeepEveryHandleAndRefuseIndexesOffTheList) {
  for (int i = 0; i < 4; ++i) m_store.m_pageFiles.push_back(WritePage("m" + std::to_string(i) + ".emf"));
  m_store.LoadAllPages();
  Remember();
  auto order = [this] {
    std::vector<HENHMETAFILE> handles;
    for (const PageEntry& page : m_store.m_pages) handles.push_back(page.hMetaFile);
    return handles;
  };
  const std::vector<HENHMETAFILE> loaded = order();
  const auto& h = loaded;
  EXPECT_TRUE(m_store.MovePage(0, 3));  // first to last
  EXPECT_EQ(order(), (std::vector<HENHMETAFILE>{h[1], h[2], h[3], h[0]}));
  EXPECT_TRUE(m_store.MovePage(3, 0));  // and back
  EXPECT_EQ(order(), loaded);
  EXPECT_TRUE(m_store.MovePage(2, 1));
  EXPECT_EQ(order(), (std::vector<HENHMETAFILE>{h[0], h[2], h[1], h[3]}));
  EXPECT_TRUE(m_store.MovePage(1, 1));
  for (auto move : {std::make_pair(-1, 0), std::make_pair(0, 4), std::make_pair(4, 3)})
    EXPECT_FALSE(m_store.MovePage(move.first, move.second));
  EXPECT_EQ(order(), (std::vector<HENHMETAFILE>{h[0], h[2], h[1], h[3]}));

  m_store.TurnPage(0, false);
  EXPECT_EQ(m_store.m_pages[0].quarterTurns, 3);
  for (int turn = 0; turn < 4; ++turn) m_store.TurnPage(1, true);
  EXPECT_EQ(m_store.m_pages[1].quarterTurns, 0) << "four quarter turns come full circle";
  m_store.TurnPage(4, true);
  m_store.TurnPage(-1, true);
  m_store.MovePage(0, 3);
  EXPECT_EQ(m_store.m_pages[3].quarterTurns, 3) << "a page's turn moves with it";
  EXPECT_TRUE(g_deletions.empty()) << "nothing is released by moving or turning";
  m_store.ReleaseAllPages();
  ExpectEachSeenHandleDeletedOnce();
}

TEST_F(PageStoreTest, AGatheredJobIsAddedAfterTheShownOneItsFilesRenamedWhereTaken) {
  WriteSpoolJob("FIRST.SPL", 2);
  ASSERT_EQ(m_store.ReloadJob(), 2);
  const std::vector<HENHMETAFILE> shown = {m_store.m_pages[0].hMetaFile,
                                           m_store.m_pages[1].hMetaFile};
  DeleteFileA(SpoolFile("FIRST.SPL").c_str());
  WriteSpoolJob("SECOND.SPL", 3);
  m_store.SecureJob();
  ASSERT_TRUE(m_store.AdoptSecuredJob(true));
  // The spooler numbers its jobs anew after a restart: a third job named like the first.
  DeleteFileA(SpoolFile("SECOND.SPL").c_str());
  WriteSpoolJob("FIRST.SPL", 1);
  m_store.SecureJob();
  ASSERT_TRUE(m_store.AdoptSecuredJob(true));

  ASSERT_EQ(m_store.m_pages.size(), 6u);
  EXPECT_EQ(m_store.m_documentName, u"FIRST.SPL") << "the first job's name";
  EXPECT_EQ(m_store.m_pages[0].hMetaFile, shown[0]) << "the shown pages stay loaded";
  EXPECT_EQ(m_store.m_pages[1].hMetaFile, shown[1]);
  EXPECT_EQ(m_store.m_pageFiles,
            (PathList{WorkFile("FIRST0000.emf"), WorkFile("FIRST0001.emf"),
                      WorkFile("SECOND0000.emf"), WorkFile("SECOND0001.emf"),
                      WorkFile("SECOND0002.emf"), WorkFile("FIRST0000_1.emf")}));
  for (const std::string& path : m_store.m_pageFiles) EXPECT_TRUE(FileExists(path)) << path;
  Remember();
  m_store.ReleaseAllPages();
  ExpectEachSeenHandleDeletedOnce();
}

TEST_F(PageStoreTest, ReloadReplacesTheJobAndReleasesThePreviousPagesOnce) {
  WriteSpoolJob("FIRST.SPL", 3);
  EXPECT_EQ(m_store.ReloadJob(), 3);
  EXPECT_EQ(m_store.m_pageFiles.size(), 3u);
  Remember();
  m_store.InsertBlankPage(3);
  Remember();

  DeleteFileA(SpoolFile("FIRST.SPL").c_str());
  WriteSpoolJob("SECOND.SPL", 2);
  EXPECT_EQ(m_store.ReloadJob(), 2);
  EXPECT_EQ(m_store.m_documentName, u"SECOND.SPL");
  EXPECT_EQ(m_store.m_pageFiles, (PathList{WorkFile("SECOND0000.emf"), WorkFile("SECOND0001.emf")}));
  EXPECT_FALSE(FileExists(WorkFile("FIRST0000.emf")));
  Remember();

  // A job secured and never shown is dropped with its files; a reload needs no folder
  // for the job on its way in.
  DeleteFileA(SpoolFile("SECOND.SPL").c_str());
  WriteSpoolJob("THIRD.SPL", 2);
  m_store.SecureJob();
  DeleteFileA(SpoolFile("THIRD.SPL").c_str());
  WriteSpoolJob("FOURTH.SPL", 1);
  EXPECT_EQ(m_store.ReloadJob(), 1);
  EXPECT_FALSE(m_store.AdoptSecuredJob());
  EXPECT_EQ(m_store.m_pageFiles, PathList{WorkFile("FOURTH0000.emf")});
  EXPECT_EQ(GetFileAttributesA(WorkFile(kSecuredJobFolder).c_str()), INVALID_FILE_ATTRIBUTES);
  Remember();
  m_store.ReleaseAllPages();
  m_store.ReleaseAllPages();
  ExpectEachSeenHandleDeletedOnce();
}

TEST_F(PageStoreTest, AHandOverIsSecuredAtOnceAndShownOnlyWhenAdoptedTheNewestWinning) {
  WriteSpoolJob("FIRST.SPL", 3);
  ASSERT_EQ(m_store.ReloadJob(), 3);
  Remember();
  const PathList firstFiles = m_store.m_pageFiles;

  // The spooler may drop each file the moment the second start has handed it over.
  DeleteFileA(SpoolFile("FIRST.SPL").c_str());
  WriteSpoolJob("SECOND.SPL", 2);
  m_store.SecureJob();
  DeleteFileA(SpoolFile("SECOND.SPL").c_str());
  WriteSpoolJob("THIRD.SPL", 4);
  m_store.SecureJob();
  DeleteFileA(SpoolFile("THIRD.SPL").c_str());
  EXPECT_EQ(m_store.m_pages.size(), 3u) << "the shown job is left as it is";
  EXPECT_EQ(m_store.m_pageFiles, firstFiles);
  for (const std::string& path : firstFiles) EXPECT_TRUE(FileExists(path)) << path;

  ASSERT_TRUE(m_store.AdoptSecuredJob());
  EXPECT_EQ(m_store.m_pages.size(), 4u);
  EXPECT_EQ(m_store.m_documentName, u"THIRD.SPL") << "the new job's name only";
  EXPECT_EQ(m_store.m_pageFiles, (PathList{WorkFile("THIRD0000.emf"), WorkFile("THIRD0001.emf"),
                                           WorkFile("THIRD0002.emf"), WorkFile("THIRD0003.emf")}));
  PathList left;
  EXPECT_EQ(ListMatchingFiles(m_work.path(), "*.emf", left), 4) << "no page of the first job";
  EXPECT_EQ(ListMatchingFiles(WorkFile(kSecuredJobFolder), "*.emf", left), 0)
      << "none of the second";
  EXPECT_FALSE(m_store.AdoptSecuredJob()) << "nothing more waits";
  EXPECT_EQ(m_store.m_pages.size(), 4u);
  Remember();

  // Secured, never shown, then the viewer closes as its exit does.
  WriteSpoolJob("FOURTH.SPL", 2);
  m_store.SecureJob();
  m_store.ReleaseAllPages();
  DeleteMatchingFiles(m_work.path(), "*.emf");
  m_store.DiscardSecuredJob();
  EXPECT_EQ(ListMatchingFiles(m_work.path(), "*.*", left), 0);
  EXPECT_EQ(GetFileAttributesA(WorkFile(kSecuredJobFolder).c_str()), INVALID_FILE_ATTRIBUTES);
  ExpectEachSeenHandleDeletedOnce();
}

}  // namespace
