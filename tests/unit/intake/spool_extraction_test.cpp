#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <random>

#include "emf_pages.h"
#include "message_box.h"
#include "spool_extraction.h"
#include "spool_format.h"
#include "spool_test_support.h"
#include "spool_writer.h"
#include "temp_dir.h"

namespace {

int g_messageBoxes = 0;
int CountMessageBox(HWND, const char*, const char*, UINT) {
  ++g_messageBoxes;
  return IDOK;
}

class SpoolExtraction : public ::testing::Test {
 protected:
  void SetUp() override {
    g_messageBoxes = 0;
    m_previousHook = SetMessageBoxHook(CountMessageBox);
  }
  void TearDown() override {
    SetMessageBoxHook(m_previousHook);
    EXPECT_EQ(g_messageBoxes, 0) << "extraction reports nothing but a failed allocation";
  }

  // Writes `spool` as the private copy NAME in the spool folder and cuts it.
  int Extract(const Bytes& spool, const std::string& name = "00012.SPL") {
    m_copy = m_spoolDir.file(name);
    WriteFileBytes(m_copy, spool);
    return ExtractSpoolPages(m_copy, m_work.path(), m_pages);
  }

  // Every page file holds exactly the bytes from its start to the next one.
  void ExpectPagesCutAt(const Bytes& spool, const std::vector<std::size_t>& starts,
                        const std::string& baseName) {
    ASSERT_EQ(m_pages.size(), starts.size());
    for (std::size_t k = 0; k < starts.size(); ++k) {
      char name[32];
      std::snprintf(name, sizeof name, "%s%04u.emf", baseName.c_str(), static_cast<unsigned>(k));
      EXPECT_EQ(m_pages[k], m_work.file(name));
      EXPECT_EQ(ReadFileBytes(m_pages[k]), ExpectedPage(spool, starts, k)) << "page " << k;
    }
  }

  void ExpectRefused(const Bytes& spool) {
    EXPECT_EQ(Extract(spool), 0);
    EXPECT_TRUE(m_pages.empty());
    EXPECT_TRUE(FileExists(m_copy)) << "a refused copy stays for the next sweep";
  }

  TempDir m_spoolDir;
  TempDir m_work;
  PathList m_pages;
  std::string m_copy;

 private:
  MessageBoxHook m_previousHook = nullptr;
};

TEST_F(SpoolExtraction, CutsEachPageUpToTheNextAndDeletesTheCopy) {
  const Bytes spool = BuildSpoolFile(MakeDrawnJob(3));
  EXPECT_EQ(Extract(spool), 3);
  ExpectPagesCutAt(spool, PageRecordOffsets(spool), "00012");
  EXPECT_EQ(ReadFileBytes(m_pages[2]).size(), spool.size() - PageRecordOffsets(spool)[2])
      << "the last page runs to the end of the spool file";
  EXPECT_FALSE(FileExists(m_copy));
}

// Loading a cut job reads no page file again: each page written gets its metafile from
// the bytes at hand, as long as they fit the holder's budget.
TEST_F(SpoolExtraction, MakesEachWrittenPagesMetafileWithinTheBudget) {
  const Bytes spool = BuildSpoolFile(MakeDrawnJob(3));
  const std::vector<std::size_t> starts = PageRecordOffsets(spool);
  const std::size_t twoPages = ExpectedPage(spool, starts, 0).size() +
                               ExpectedPage(spool, starts, 1).size();
  CutMetafiles made(twoPages);
  m_copy = m_spoolDir.file("00012.SPL");
  WriteFileBytes(m_copy, spool);
  ASSERT_EQ(ExtractSpoolPages(m_copy, m_work.path(), m_pages, nullptr, &made), 3);
  for (std::size_t k = 0; k < 2; ++k) {
    const HENHMETAFILE metafile = made.Take(m_pages[k]);
    ASSERT_NE(metafile, nullptr) << "page " << k;
    Bytes bits(GetEnhMetaFileBits(metafile, 0, nullptr));
    GetEnhMetaFileBits(metafile, static_cast<UINT>(bits.size()), bits.data());
    // The metafile's own bytes: the page file up to its recorded size.
    Bytes file = ReadFileBytes(m_pages[k]);
    file.resize(GetU32(file, 48));
    EXPECT_EQ(bits, file) << "page " << k;
    DeleteEnhMetaFile(metafile);
    EXPECT_EQ(made.Take(m_pages[k]), nullptr) << "taken once";
  }
  EXPECT_EQ(made.Take(m_pages[2]), nullptr) << "beyond the budget: opened from its file";

  // A page file moved on keeps its metafile under the new path.
  CutMetafiles moved;
  m_copy = m_spoolDir.file("00013.SPL");
  WriteFileBytes(m_copy, spool);
  PathList pages;
  ASSERT_EQ(ExtractSpoolPages(m_copy, m_work.path(), pages, nullptr, &moved), 3);
  moved.Rename(pages[0], "elsewhere.emf");
  EXPECT_EQ(moved.Take(pages[0]), nullptr);
  const HENHMETAFILE renamed = moved.Take("elsewhere.emf");
  EXPECT_NE(renamed, nullptr);
  DeleteEnhMetaFile(renamed);
}

TEST_F(SpoolExtraction, ADeviceModeRecordAfterTheFirstPageStaysInThatPage) {
  SpoolJob job = MakeDrawnJob(2);
  job.withDevMode = true;
  const Bytes spool = BuildSpoolFile(job);
  EXPECT_EQ(Extract(spool), 2);
  ExpectPagesCutAt(spool, PageOffsets(job), "00012");
}

TEST_F(SpoolExtraction, BarePageRecordsLeaveTheNextRecordHeadInThePage) {
  const Bytes first = DrawEmfPage(PageDrawing());
  PageDrawing secondDrawing;
  secondDrawing.label = "Other";
  const Bytes second = DrawEmfPage(secondDrawing);
  Bytes spool;
  AppendU32(spool, kSpoolVersion);
  AppendU32(spool, 16);
  AppendU32(spool, 0);
  AppendU32(spool, 0);
  AppendRecord(spool, kSpoolPageRecord, first);
  AppendRecord(spool, kSpoolPageRecord, second);

  EXPECT_EQ(Extract(spool), 2);
  Bytes expectedFirst = first;
  expectedFirst.insert(expectedFirst.end(), spool.begin() + 24 + first.size(),
                       spool.begin() + 32 + first.size());
  EXPECT_EQ(ReadFileBytes(m_pages[0]), expectedFirst);
  EXPECT_EQ(ReadFileBytes(m_pages[1]), second);
}

TEST_F(SpoolExtraction, APageWithAnotherHeaderSizeJoinsThePageBeforeIt) {
  SpoolJob job = MakeDrawnJob(3);
  PageDrawing described;
  described.description = "A description lengthens the header record";
  job.pages[1] = DrawEmfPage(described);
  ASSERT_NE(GetU32(job.pages[1], 4) & 0xFFFF, GetU32(job.pages[0], 4) & 0xFFFF);
  const Bytes spool = BuildSpoolFile(job);
  EXPECT_EQ(Extract(spool), 2);
  const std::vector<std::size_t> offsets = PageOffsets(job);
  ExpectPagesCutAt(spool, {offsets[0], offsets[2]}, "00012");
}

TEST_F(SpoolExtraction, RefusesFilesThatAreNotEmfSpoolJobs) {
  Bytes wrongVersion = BuildSpoolFile(MakeDrawnJob(1));
  PutU32(wrongVersion, 0, 0x00010001);
  ExpectRefused(wrongVersion);

  // A device-mode record first: the job does not start with a page.
  Bytes deviceModeFirst;
  AppendU32(deviceModeFirst, kSpoolVersion);
  AppendU32(deviceModeFirst, 16);
  AppendU32(deviceModeFirst, 0);
  AppendU32(deviceModeFirst, 0);
  AppendRecord(deviceModeFirst, kSpoolDevModeRecord, Bytes(64, 0));
  AppendRecord(deviceModeFirst, kSpoolPageRecord, DrawEmfPage(PageDrawing()));
  ExpectRefused(deviceModeFirst);

  Bytes emptyFirstRecord = BuildSpoolFile(MakeDrawnJob(2));
  PutU32(emptyFirstRecord, GetU32(emptyFirstRecord, 4) + 4, 0);
  ExpectRefused(emptyFirstRecord);

  ExpectRefused(ReadFileBytes(RealFixture("hughbe_00015_XPS-not-EMF.SPL")));
}

TEST_F(SpoolExtraction, RefusesTruncatedFilesAndHeaderSizesBeyondTheEnd) {
  const Bytes spool = BuildSpoolFile(MakeDrawnJob(1));
  const std::size_t firstRecord = GetU32(spool, 4);
  for (std::size_t length : {std::size_t{0}, std::size_t{3}, std::size_t{7}, firstRecord,
                             firstRecord + 6, firstRecord + 13}) {
    SCOPED_TRACE(length);
    ExpectRefused(Bytes(spool.begin(), spool.begin() + static_cast<std::ptrdiff_t>(length)));
  }
  for (std::uint32_t headerSize : {0xFFFFFFF0u, 0x80000000u,
                                   static_cast<std::uint32_t>(spool.size())}) {
    SCOPED_TRACE(headerSize);
    Bytes pastTheEnd = spool;
    PutU32(pastTheEnd, 4, headerSize);
    ExpectRefused(pastTheEnd);
  }
}

TEST_F(SpoolExtraction, AJobWhoseHeaderPassesButHoldsNoWholePageYieldsNothing) {
  Bytes spool = BuildSpoolFile(MakeDrawnJob(1));
  // Cut within the first metafile's header, after the signature bytes.
  spool.resize(GetU32(spool, 4) + 8 + 20);
  EXPECT_EQ(Extract(spool), 0);
  EXPECT_TRUE(m_pages.empty());
  EXPECT_FALSE(FileExists(m_copy)) << "a readable copy is deleted even with no pages";
}

// Noted for the caller, who tells the user once the pages are shown.
TEST_F(SpoolExtraction, AJobBeyondThePageCapKeepsItsFirstPagesAndSaysSo) {
  SpoolJob job = MakeDrawnJob(1);
  job.pages.resize(kMaxJobPages + 3, job.pages[0]);
  const Bytes spool = BuildSpoolFile(job);
  m_copy = m_spoolDir.file("00012.SPL");
  WriteFileBytes(m_copy, spool);
  UnwrittenPages unwritten;
  EXPECT_EQ(ExtractSpoolPages(m_copy, m_work.path(), m_pages, &unwritten),
            static_cast<int>(kMaxJobPages));
  EXPECT_EQ(unwritten.cappedAt, static_cast<int>(kMaxJobPages));
  EXPECT_EQ(unwritten.count, 0);
  ASSERT_EQ(m_pages.size(), kMaxJobPages);
  const std::vector<std::size_t> starts = PageRecordOffsets(spool);
  EXPECT_EQ(ReadFileBytes(m_pages.back()), ExpectedPage(spool, starts, kMaxJobPages - 1))
      << "the last page kept still ends where the next one starts";
  EXPECT_FALSE(FileExists(m_work.file("000124000.emf")));
}

TEST_F(SpoolExtraction, AppendsToTheListAndAddsNoSecondBackslash) {
  m_pages.push_back("earlier job's page");
  const Bytes first = BuildSpoolFile(MakeDrawnJob(1));
  m_copy = m_spoolDir.file("A.SPL");
  WriteFileBytes(m_copy, first);
  EXPECT_EQ(ExtractSpoolPages(m_copy, m_work.path() + "\\", m_pages), 1);
  const Bytes second = BuildSpoolFile(MakeDrawnJob(2));
  m_copy = m_spoolDir.file("B.SPL");
  WriteFileBytes(m_copy, second);
  EXPECT_EQ(ExtractSpoolPages(m_copy, m_work.path(), m_pages), 2);
  EXPECT_EQ(m_pages, (PathList{"earlier job's page", m_work.file("A0000.emf"),
                               m_work.file("B0000.emf"), m_work.file("B0001.emf")}));
}

TEST_F(SpoolExtraction, MissingArgumentsChangeNothing) {
  EXPECT_EQ(ExtractSpoolPages("", m_work.path(), m_pages), 0);
  const Bytes spool = BuildSpoolFile(MakeDrawnJob(1));
  m_copy = m_spoolDir.file("C.SPL");
  WriteFileBytes(m_copy, spool);
  EXPECT_EQ(ExtractSpoolPages(m_copy, "", m_pages), 0);
  EXPECT_TRUE(m_pages.empty());
  EXPECT_TRUE(FileExists(m_copy));
}

TEST_F(SpoolExtraction, PagePathsThatWouldNotFitAPathBufferAreRefused) {
  const Bytes spool = BuildSpoolFile(MakeDrawnJob(1));
  // The copy's own path fits; its page paths, four digits and ".emf" longer, do not.
  const std::string longBase(252 - m_work.path().size(), 'n');
  EXPECT_EQ(Extract(spool, longBase + ".SPL"), 1);
  EXPECT_TRUE(m_pages.empty()) << "no truncated path is listed";
}

TEST_F(SpoolExtraction, PageFilesOfAnEarlierJobWithTheSameNameAreReplaced) {
  WriteFileBytes(m_work.file("000120000.emf"), Bytes(100000, 0xEE));
  const Bytes spool = BuildSpoolFile(MakeDrawnJob(1));
  EXPECT_EQ(Extract(spool), 1);
  ExpectPagesCutAt(spool, PageRecordOffsets(spool), "00012");
}

TEST_F(SpoolExtraction, CorruptedSpoolFilesNeverCrashOrOverrun) {
  const Bytes original = BuildSpoolFile(MakeDrawnJob(3));
  std::mt19937 random(11);
  for (int round = 0; round < 150; ++round) {
    Bytes spool = original;
    // Damage a few bytes, favouring the header and record heads, then maybe cut the file.
    for (int hit = 0; hit < 4; ++hit) {
      const std::size_t at = random() % 3 == 0 ? random() % 64 : random() % spool.size();
      spool[at] = static_cast<std::uint8_t>(random());
    }
    if (random() % 2) spool.resize(random() % spool.size());
    m_pages.clear();
    const int pages = Extract(spool, "R" + std::to_string(round) + ".SPL");
    ASSERT_EQ(m_pages.size(), static_cast<std::size_t>(pages));
    std::size_t total = 0;
    for (const std::string& page : m_pages) total += ReadFileBytes(page).size();
    EXPECT_LE(total, spool.size()) << "round " << round;
  }
}

struct RealJob {
  const char* file;
  std::size_t pages;
};

class RealSpoolFile : public SpoolExtraction, public ::testing::WithParamInterface<RealJob> {};

std::string RealJobName(const ::testing::TestParamInfo<RealJob>& info) {
  std::string name = info.param.file;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

TEST_P(RealSpoolFile, GivesOnePageFilePerPageRecordWithExactBytes) {
  const Bytes spool = ReadFileBytes(RealFixture(GetParam().file));
  const std::vector<std::size_t> starts = PageRecordOffsets(spool);
  ASSERT_EQ(starts.size(), GetParam().pages);
  EXPECT_EQ(Extract(spool, "00003.SPL"), static_cast<int>(starts.size()));
  ExpectPagesCutAt(spool, starts, "00003");
  EXPECT_FALSE(FileExists(m_copy));
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, RealSpoolFile,
    ::testing::Values(RealJob{"hughbe_EMFSpoolfileReader_00003.SPL", 2},
                      RealJob{"hughbe_EMFSpoolfileReader_00004.SPL", 3},
                      RealJob{"spl2pdf_test_00015.SPL", 1}, RealJob{"spl2pdf_test_00019.SPL", 1}),
    RealJobName);

TEST(SpoolSignature, IsTheFirstPagesTypeAndHeaderSizeThenAZero) {
  TempDir dir;
  const Bytes spool = BuildSpoolFile(MakeDrawnJob(1));
  WriteFileBytes(dir.file("s.SPL"), spool);
  PageSignature signature;
  std::memset(signature, 0xFF, sizeof signature);
  ASSERT_TRUE(ReadSpoolSignature(dir.file("s.SPL"), signature));
  const std::size_t page = GetU32(spool, 4) + 8;
  EXPECT_EQ(0, std::memcmp(signature, &spool[page], kPageSignatureLength));
  EXPECT_EQ(signature[0], 1);
  EXPECT_EQ(signature[kPageSignatureLength], 0);
  EXPECT_FALSE(ReadSpoolSignature(dir.file("missing.SPL"), signature));
}

}  // namespace
