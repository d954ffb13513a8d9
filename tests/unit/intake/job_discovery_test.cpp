#include <gtest/gtest.h>

#include <map>

#include "ansi_code_page.h"
#include "discovery_fixture.h"
#include "emf_pages.h"
#include "file_search.h"
#include "job_discovery.h"
#include "path_parts.h"
#include "spool_test_support.h"
#include "windows_family.h"

namespace {

constexpr DWORD kWinXpWord = 0x0A280105;
constexpr DWORD kWin98Word = 0xC0000A04;
constexpr DWORD kWin95Word = 0xC3B60004;

DWORD g_versionWord = kWinXpWord;
DWORD InjectedVersion() { return g_versionWord; }

// Creation times by file name; names not in the map have no readable status.
std::map<std::string, long long> g_times;
bool InjectedTime(const std::string& path, long long& seconds) {
  const PathParts parts = SplitPath(path, AnsiLeadBytes());
  const auto found = g_times.find(parts.baseName + parts.extension);
  if (found == g_times.end()) return false;
  seconds = found->second;
  return true;
}

class JobDiscovery : public DiscoveryFixture {
 protected:
  void SetUp() override {
    DiscoveryFixture::SetUp();
    g_versionWord = kWinXpWord;
    g_times.clear();
    m_previousVersion = SetVersionWordSource(InjectedVersion);
    m_previousTime = SetFileTimeReader(InjectedTime);
  }
  void TearDown() override {
    SetFileTimeReader(m_previousTime);
    SetVersionWordSource(m_previousVersion);
    DiscoveryFixture::TearDown();
  }

  // The spool files in the order the directory search returns them.
  PathList SearchOrder(const std::string& pattern) {
    PathList found;
    ListMatchingFiles(m_spoolDir, pattern, found);
    return found;
  }

 private:
  VersionWordSource m_previousVersion = nullptr;
  FileTimeReader m_previousTime = nullptr;
};

TEST_F(JobDiscovery, NtRouteCutsOnlyTheNewestSpoolFileAndTiesKeepTheEarlierOne) {
  WriteSpoolJob("A.SPL", 1);
  WriteSpoolJob("B.SPL", 2);
  WriteSpoolJob("C.SPL", 3);
  g_times = {{"A.SPL", 100}, {"B.SPL", 300}, {"C.SPL", 300}};
  const PathList order = SearchOrder("*.SPL");
  ASSERT_EQ(order.size(), 3u);
  // Of B and C, the one the search returns first wins.
  std::string chosen;
  for (const std::string& path : order) {
    const PathParts parts = SplitPath(path, AnsiLeadBytes());
    if (parts.baseName != "A") {
      chosen = parts.baseName;
      break;
    }
  }
  const int pages = chosen == "B" ? 2 : 3;

  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles), 3);
  ASSERT_EQ(m_pageFiles.size(), static_cast<std::size_t>(pages));
  for (int k = 0; k < pages; ++k) {
    EXPECT_EQ(m_pageFiles[k], WorkFile(chosen + "000" + std::to_string(k) + ".emf"));
    EXPECT_TRUE(FileExists(m_pageFiles[k]));
  }
  EXPECT_FALSE(FileExists(TempFile(chosen + ".SPL"))) << "the spool copy is deleted once cut";
  for (const char* name : {"A.SPL", "B.SPL", "C.SPL"})
    EXPECT_TRUE(FileExists(SpoolFile(name))) << "spool files are only read";
}

TEST_F(JobDiscovery, NtRouteWithoutUsableTimesCutsEverySpoolFileInSearchOrder) {
  WriteSpoolJob("J1.SPL", 2);
  WriteSpoolJob("J2.SPL", 1);
  WriteSpoolJob("J3.SPL", 2);
  g_times = {{"J2.SPL", 0}, {"J3.SPL", -5}};  // J1 unreadable; times <= 0 never chosen

  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles), 3);
  PathList expected;
  for (const std::string& spool : SearchOrder("*.SPL")) {
    const std::string base = SplitPath(spool, AnsiLeadBytes()).baseName;
    const int pages = base == "J2" ? 1 : 2;
    for (int k = 0; k < pages; ++k) expected.push_back(WorkFile(base + "000" + std::to_string(k) + ".emf"));
  }
  EXPECT_EQ(m_pageFiles, expected);
}

TEST_F(JobDiscovery, NtRouteWithTheRealFileTimesPicksTheSpoolFileCreatedLast) {
  SetFileTimeReader(nullptr);
  WriteSpoolJob("OLD.SPL", 1);
  WriteSpoolJob("NEW.SPL", 2);
  // Date the older job back a day, creation and last write alike.
  const HANDLE old = CreateFileA(SpoolFile("OLD.SPL").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(old, INVALID_HANDLE_VALUE);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER earlier;
  earlier.LowPart = now.dwLowDateTime;
  earlier.HighPart = now.dwHighDateTime;
  earlier.QuadPart -= 864000000000ull;
  FILETIME dayAgo = {earlier.LowPart, earlier.HighPart};
  SetFileTime(old, &dayAgo, &dayAgo, &dayAgo);
  CloseHandle(old);

  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles), 2);
  EXPECT_EQ(m_pageFiles, (PathList{WorkFile("NEW0000.emf"), WorkFile("NEW0001.emf")}));
}

TEST_F(JobDiscovery, NtRouteWithNoSpoolFilesFindsNothing) {
  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles), 0);
  EXPECT_TRUE(m_pageFiles.empty());
}

TEST_F(JobDiscovery, NineXRouteCopiesEachSpoolMetafileNumberedAcrossFiles) {
  for (DWORD word : {kWin98Word, kWin95Word}) {
    g_versionWord = word;
    m_pageFiles.clear();
    const Bytes page = DrawEmfPage(PageDrawing());
    for (const char* name : {"~emfX.tmp", "~emfY.tmp", "~emfZ.tmp"}) WriteFileBytes(TempFile(name), page);
    WriteSpoolJob("NT.SPL", 2);  // the 9x route never looks at the spool directory

    PathList candidates;
    ListMatchingFiles(m_temp.path(), "~emf*.tmp", candidates);
    EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles), 3);
    ASSERT_EQ(m_pageFiles.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
      const std::string expected =
          WorkFile(SplitPath(candidates[i], AnsiLeadBytes()).baseName + "000" + std::to_string(i) + ".emf");
      EXPECT_EQ(m_pageFiles[i], expected);
      EXPECT_EQ(ReadFileBytes(m_pageFiles[i]), page);
      EXPECT_TRUE(FileExists(candidates[i])) << "the spool metafiles stay where they are";
    }
  }
}

TEST_F(JobDiscovery, SweepsOldCopiesAndPageFilesBeforeFindingTheJob) {
  for (const char* name : {"old.emf", "LEFT.SPL", "left2.Spl", "keep.txt"})
    WriteFileBytes(TempFile(name), Bytes{1, 2, 3});
  for (const char* name : {"PREV0000.emf", "prev0001.EMF", "notes.txt"})
    WriteFileBytes(WorkFile(name), Bytes{4, 5, 6});
  WriteSpoolJob("NOW.SPL", 1);
  g_times = {{"NOW.SPL", 1000}};

  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles), 1);
  for (const char* name : {"old.emf", "LEFT.SPL", "left2.Spl"}) EXPECT_FALSE(FileExists(TempFile(name))) << name;
  EXPECT_TRUE(FileExists(TempFile("keep.txt")));
  EXPECT_FALSE(FileExists(WorkFile("PREV0000.emf")));
  EXPECT_FALSE(FileExists(WorkFile("prev0001.EMF")));
  EXPECT_TRUE(FileExists(WorkFile("notes.txt")));
  EXPECT_EQ(m_pageFiles, PathList{WorkFile("NOW0000.emf")});
}

TEST_F(JobDiscovery, SweepsAndChoosesOnlyFilesWhoseLongNamesEndInOurExtensions) {
  // Other programs' files whose 8.3 aliases ("KEEP~1.SPL") or prefixes match our patterns.
  const char* foreign[] = {"keep.splash", "notes.emfx", "emf", "x.emf.txt", "~emfA.tmpx"};
  for (const char* name : foreign) WriteFileBytes(TempFile(name), Bytes{1});
  WriteFileBytes(WorkFile("mine.emfx"), Bytes{2});
  WriteSpoolJob("JOB.SPL", 1);
  WriteSpoolJob("NEWER.SPLX", 2);
  g_times = {{"JOB.SPL", 1000}, {"NEWER.SPLX", 2000}};

  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles), 1);
  EXPECT_EQ(m_pageFiles, PathList{WorkFile("JOB0000.emf")});
  for (const char* name : foreign) EXPECT_TRUE(FileExists(TempFile(name))) << name;
  EXPECT_TRUE(FileExists(WorkFile("mine.emfx")));
  EXPECT_TRUE(FileExists(SpoolFile("NEWER.SPLX")));
  DeleteFileA(SpoolFile("NEWER.SPLX").c_str());

  g_versionWord = kWin98Word;
  m_pageFiles.clear();
  EXPECT_EQ(DiscoverJob(m_work.path(), m_pageFiles), 0);
  EXPECT_TRUE(m_pageFiles.empty());
}

TEST_F(JobDiscovery, AnEmptyWorkDirectoryChangesNothing) {
  WriteFileBytes(TempFile("old.emf"), Bytes{1});
  WriteSpoolJob("JOB.SPL", 1);
  g_times = {{"JOB.SPL", 1000}};
  EXPECT_EQ(DiscoverJob("", m_pageFiles), 0);
  EXPECT_TRUE(m_pageFiles.empty());
  EXPECT_TRUE(FileExists(TempFile("old.emf")));
}

TEST_F(JobDiscovery, AppendsToTheCallersList) {
  m_pageFiles.push_back("kept");
  WriteSpoolJob("JOB.SPL", 1);
  g_times = {{"JOB.SPL", 1000}};
  DiscoverJob(m_work.path(), m_pageFiles);
  EXPECT_EQ(m_pageFiles, (PathList{"kept", WorkFile("JOB0000.emf")}));
}

TEST(FileSearch, ListsMatchingFilesOnlyInAnyLetterCaseHiddenOnesToo) {
  TempDir dir;
  for (const char* name : {"a.emf", "B.EMF", "c.txt", "hidden.emf"}) WriteFileBytes(dir.file(name), Bytes{0});
  SetFileAttributesA(dir.file("hidden.emf").c_str(), FILE_ATTRIBUTE_HIDDEN);
  CreateDirectoryA(dir.file("folder.emf").c_str(), nullptr);

  PathList found = {"stale entry"};
  EXPECT_EQ(ListMatchingFiles(dir.path() + "\\", "*.emf", found), 3);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (PathList{dir.file("B.EMF"), dir.file("a.emf"), dir.file("hidden.emf")}));

  DeleteMatchingFiles(dir.path(), "*.EMF");
  EXPECT_EQ(ListMatchingFiles(dir.path(), "*.emf", found), 0);
  EXPECT_TRUE(found.empty());
  EXPECT_TRUE(FileExists(dir.file("c.txt")));
}

TEST(FileSearch, ListsOnlyNamesThatMatchTheWholePattern) {
  TempDir dir;
  for (const char* name : {"job.spl", "JOB2.SPL", "keep.splash", "a.spl.bak", "spl", "noext",
                           "longer-than-eight.spl", "longer-than-eight.splx"})
    WriteFileBytes(dir.file(name), Bytes{0});
  PathList found;
  EXPECT_EQ(ListMatchingFiles(dir.path(), "*.spl", found), 3);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (PathList{dir.file("JOB2.SPL"), dir.file("job.spl"),
                             dir.file("longer-than-eight.spl")}));
  DeleteMatchingFiles(dir.path(), "*.SPL");
  for (const char* name : {"keep.splash", "a.spl.bak", "spl", "noext", "longer-than-eight.splx"})
    EXPECT_TRUE(FileExists(dir.file(name))) << name;
}

TEST(FileSearch, EmptyArgumentsLeaveTheListAlone) {
  PathList list = {"x"};
  EXPECT_EQ(ListMatchingFiles("", "*.emf", list), 0);
  EXPECT_EQ(ListMatchingFiles("C:\\", "", list), 0);
  EXPECT_EQ(list, PathList{"x"});
}

}  // namespace
