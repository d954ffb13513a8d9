#include <gtest/gtest.h>

#include "known_code_pages.h"
#include "path_parts.h"

namespace {

const LeadByteSet kSingleByte;

TEST(SplitPath, CutsDriveDirectoryBaseNameAndLastExtension) {
  const PathParts parts = SplitPath("C:\\WINDOWS\\system32\\spool\\PRINTERS\\00012.SPL", kSingleByte);
  EXPECT_EQ(parts.drive, "C:");
  EXPECT_EQ(parts.directory, "\\WINDOWS\\system32\\spool\\PRINTERS\\");
  EXPECT_EQ(parts.baseName, "00012");
  EXPECT_EQ(parts.extension, ".SPL");

  const PathParts dotted = SplitPath("d:\\a.b\\archive.tar.gz", kSingleByte);
  EXPECT_EQ(dotted.directory, "\\a.b\\");
  EXPECT_EQ(dotted.baseName, "archive.tar");
  EXPECT_EQ(dotted.extension, ".gz");
}

TEST(SplitPath, HandlesPathsWithoutDriveDirectoryOrExtension) {
  const PathParts bare = SplitPath("~emf1A2.tmp", kSingleByte);
  EXPECT_EQ(bare.drive, "");
  EXPECT_EQ(bare.directory, "");
  EXPECT_EQ(bare.baseName, "~emf1A2");
  EXPECT_EQ(bare.extension, ".tmp");

  const PathParts noExtension = SplitPath("C:work/page", kSingleByte);
  EXPECT_EQ(noExtension.drive, "C:");
  EXPECT_EQ(noExtension.directory, "work/");
  EXPECT_EQ(noExtension.baseName, "page");
  EXPECT_EQ(noExtension.extension, "");

  const PathParts folder = SplitPath("C:\\work\\", kSingleByte);
  EXPECT_EQ(folder.directory, "\\work\\");
  EXPECT_EQ(folder.baseName, "");
}

TEST(JoinPath, AddsABackslashOnlyWhenTheDirectoryLacksOne) {
  std::string joined;
  ASSERT_TRUE(JoinPath("C:\\work", "a.emf", joined, kSingleByte));
  EXPECT_EQ(joined, "C:\\work\\a.emf");
  ASSERT_TRUE(JoinPath("C:\\work\\", "a.emf", joined, kSingleByte));
  EXPECT_EQ(joined, "C:\\work\\a.emf");
  EXPECT_EQ(WithTrailingBackslash("C:\\temp", kSingleByte), "C:\\temp\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\temp\\", kSingleByte), "C:\\temp\\");
}

TEST(JoinPath, RefusesResultsLongerThanAPathBufferInsteadOfCuttingThem) {
  const std::string directory = "C:\\" + std::string(250, 'd');
  std::string joined = "unchanged";
  EXPECT_TRUE(JoinPath(directory, std::string(259 - 254, 'n'), joined, kSingleByte));
  EXPECT_EQ(joined.size(), 259u);
  joined = "unchanged";
  EXPECT_FALSE(JoinPath(directory, std::string(259 - 253, 'n'), joined, kSingleByte));
  EXPECT_EQ(joined, "unchanged");
}

// Every two-byte character of the four code pages, trail bytes 0x40 to 0xFE ('\', '|',
// '/'-free but letter-rich), at the end of a folder name, of a base name and of a text
// cut short: a trail byte is never a separator, a dot or half of a cut.
TEST(DoubleBytePaths, NoTrailByteSplitsJoinsOrCutsAName) {
  for (const KnownCodePage& page : KnownDoubleByteCodePages()) {
    for (unsigned leadByte = 0x80; leadByte <= 0xFF; ++leadByte) {
      if (!page.lead.IsLead(static_cast<char>(leadByte))) continue;
      for (unsigned trailByte = 0x40; trailByte <= 0xFE; ++trailByte) {
        const std::string c{static_cast<char>(leadByte), static_cast<char>(trailByte)};
        SCOPED_TRACE(testing::Message() << "code page " << page.number << ", bytes " << std::hex
                                        << leadByte << ' ' << trailByte);
        const PathParts parts = SplitPath("C:\\a" + c + "\\b" + c + "." + c + "x", page.lead);
        ASSERT_EQ(parts.directory, "\\a" + c + "\\");
        ASSERT_EQ(parts.baseName, "b" + c);
        ASSERT_EQ(parts.extension, "." + c + "x");

        ASSERT_FALSE(EndsWithSeparator("C:\\a" + c, page.lead));
        std::string joined;
        ASSERT_TRUE(JoinPath("C:\\a" + c, "n.png", joined, page.lead));
        ASSERT_EQ(joined, "C:\\a" + c + "\\n.png");

        ASSERT_EQ(CutAtCharacter("ab" + c + c, 5, page.lead), "ab" + c);
        ASSERT_EQ(CutAtCharacter("ab" + c + c, 6, page.lead), "ab" + c + c);
        ASSERT_EQ(CountCharacters("ab" + c + c, page.lead), 4u);
        ASSERT_EQ(WithoutCutCharacter("ab" + c + c.substr(0, 1), page.lead), "ab" + c);
        ASSERT_EQ(WithoutCutCharacter("ab" + c, page.lead), "ab" + c);
        ASSERT_EQ(AsciiLowerText("AB" + c, page.lead), "ab" + c);
        ASSERT_TRUE(SameIgnoringAsciiCase("N" + c, "n" + c, page.lead));
      }
    }
  }
}

TEST(DoubleByteText, ALeadByteWithoutItsTrailStandsAlone) {
  const LeadByteSet lead = KnownDoubleByteCodePages().front().lead;
  EXPECT_EQ(NextCharacter("a\x83", 1, lead), 2u);
  EXPECT_EQ(NextCharacter(std::string("\x83\0x", 3), 0, lead), 1u);
  // A single-byte code page cuts and folds by byte, as before.
  EXPECT_EQ(CutAtCharacter("ab\x83\x5C", 3, kSingleByte), "ab\x83");
  EXPECT_EQ(WithoutCutCharacter("ab\x83", kSingleByte), "ab\x83");
  EXPECT_EQ(CountCharacters("a\x83", lead), 2u);
  EXPECT_EQ(WithoutCutCharacter("", lead), "");
  EXPECT_EQ(SplitPath("C:\\a\x83\\b", kSingleByte).baseName, "b");

  char buffer[4] = "xyz";
  CopyIntoBuffer("a\x83\x5C", buffer, sizeof buffer, lead);
  EXPECT_STREQ(buffer, "a\x83\x5C");
  CopyIntoBuffer("ab\x83\x5C", buffer, sizeof buffer, lead);
  EXPECT_STREQ(buffer, "ab");
}

}  // namespace
