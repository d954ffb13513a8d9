// Built twice, run with Wine reporting Windows 98 and Windows XP: discovery takes the route
// of the family the system really reports.
#include <gtest/gtest.h>

#include "discovery_fixture.h"
#include "emf_pages.h"
#include "job_discovery.h"
#include "page_store.h"
#include "spool_format.h"
#include "windows_family.h"

namespace {

class RealFamilyDiscovery : public DiscoveryFixture {};

#if QUILLOR_EXPECT_WIN9X
TEST_F(RealFamilyDiscovery, Windows98TakesTheSpoolMetafilesFromTheTemporaryDirectory) {
  ASSERT_TRUE(IsWin98(CurrentVersionWord())) << std::hex << CurrentVersionWord();
  const Bytes page = DrawEmfPage(PageDrawing());
  WriteFileBytes(TempFile("~emfA1.tmp"), page);
  WriteSpoolJob("IGNORED.SPL", 2);
  CutMetafiles made;
  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles, nullptr, &made), 1);
  EXPECT_EQ(m_pageFiles, PathList{WorkFile("~emfA10000.emf")});
  EXPECT_EQ(ReadFileBytes(m_pageFiles[0]), page);
  // The page's metafile was made from the bytes copied, not read again.
  const HENHMETAFILE metafile = made.Take(m_pageFiles[0]);
  ASSERT_NE(metafile, nullptr);
  EXPECT_EQ(GetEnhMetaFileBits(metafile, 0, nullptr), page.size());
  DeleteEnhMetaFile(metafile);
}

// As a cut spool file does, a 9x job beyond the page cap keeps its first pages and says so.
TEST_F(RealFamilyDiscovery, Windows98KeepsAJobsFirstPagesUpToThePageCap) {
  const Bytes page = DrawEmfPage(PageDrawing());
  for (std::size_t k = 0; k <= kMaxJobPages; ++k)
    WriteFileBytes(TempFile("~emf" + std::to_string(k) + ".tmp"), page);
  UnwrittenPages unwritten;
  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles, &unwritten),
            static_cast<int>(kMaxJobPages) + 1);
  EXPECT_EQ(m_pageFiles.size(), kMaxJobPages);
  EXPECT_EQ(unwritten.cappedAt, static_cast<int>(kMaxJobPages));
}

bool A4Display(DisplayMetrics& metrics) {
  metrics = {320, 240, 1024, 768};
  return true;
}

// A job handed over is copied at once, as the spooler may drop its files, and shown from
// the metafiles made while copying.
TEST_F(RealFamilyDiscovery, Windows98HandOverShowsThePagesCopiedWhenSecured) {
  const DisplayMetricsSource previous = SetDisplayMetricsSource(A4Display);
  CPageStore store;
  store.m_strWorkDir = m_work.path();
  const Bytes page = DrawEmfPage(PageDrawing());
  for (const char* name : {"~emfB1.tmp", "~emfB2.tmp"}) WriteFileBytes(TempFile(name), page);
  store.SecureJob();
  for (const char* name : {"~emfB1.tmp", "~emfB2.tmp"}) DeleteFileA(TempFile(name).c_str());
  ASSERT_TRUE(store.AdoptSecuredJob());
  EXPECT_EQ(store.m_pageFiles,
            (PathList{WorkFile("~emfB10000.emf"), WorkFile("~emfB20001.emf")}));
  ASSERT_EQ(store.m_pages.size(), 2u);
  for (const PageEntry& entry : store.m_pages) {
    EXPECT_NE(entry.hMetaFile, nullptr);
    EXPECT_EQ(GetEnhMetaFileBits(entry.hMetaFile, 0, nullptr), page.size());
  }
  store.ReleaseAllPages();
  SetDisplayMetricsSource(previous);
}
#else
TEST_F(RealFamilyDiscovery, WindowsXpCutsTheSpoolFileFromTheSpoolDirectory) {
  ASSERT_TRUE(IsWinNT(CurrentVersionWord())) << std::hex << CurrentVersionWord();
  WriteFileBytes(TempFile("~emfA1.tmp"), DrawEmfPage(PageDrawing()));
  WriteSpoolJob("00042.SPL", 2);
  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles), 1);
  EXPECT_EQ(m_pageFiles, (PathList{WorkFile("000420000.emf"), WorkFile("000420001.emf")}));
  EXPECT_FALSE(FileExists(TempFile("00042.SPL")));
}
#endif

}  // namespace
