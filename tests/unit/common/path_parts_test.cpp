#include <gtest/gtest.h>

#include "path_parts.h"

namespace {

TEST(SplitPath, CutsDriveDirectoryBaseNameAndLastExtension) {
  const PathParts parts = SplitPath("C:\\WINDOWS\\system32\\spool\\PRINTERS\\00012.SPL");
  EXPECT_EQ(parts.drive, "C:");
  EXPECT_EQ(parts.directory, "\\WINDOWS\\system32\\spool\\PRINTERS\\");
  EXPECT_EQ(parts.baseName, "00012");
  EXPECT_EQ(parts.extension, ".SPL");

  const PathParts dotted = SplitPath("d:\\a.b\\archive.tar.gz");
  EXPECT_EQ(dotted.directory, "\\a.b\\");
  EXPECT_EQ(dotted.baseName, "archive.tar");
  EXPECT_EQ(dotted.extension, ".gz");
}

TEST(SplitPath, HandlesPathsWithoutDriveDirectoryOrExtension) {
  const PathParts bare = SplitPath("~emf1A2.tmp");
  EXPECT_EQ(bare.drive, "");
  EXPECT_EQ(bare.directory, "");
  EXPECT_EQ(bare.baseName, "~emf1A2");
  EXPECT_EQ(bare.extension, ".tmp");

  const PathParts noExtension = SplitPath("C:work/page");
  EXPECT_EQ(noExtension.drive, "C:");
  EXPECT_EQ(noExtension.directory, "work/");
  EXPECT_EQ(noExtension.baseName, "page");
  EXPECT_EQ(noExtension.extension, "");

  const PathParts folder = SplitPath("C:\\work\\");
  EXPECT_EQ(folder.directory, "\\work\\");
  EXPECT_EQ(folder.baseName, "");
}

TEST(JoinPath, AddsABackslashOnlyWhenTheDirectoryLacksOne) {
  std::string joined;
  ASSERT_TRUE(JoinPath("C:\\work", "a.emf", joined));
  EXPECT_EQ(joined, "C:\\work\\a.emf");
  ASSERT_TRUE(JoinPath("C:\\work\\", "a.emf", joined));
  EXPECT_EQ(joined, "C:\\work\\a.emf");
  EXPECT_EQ(WithTrailingBackslash("C:\\temp"), "C:\\temp\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\temp\\"), "C:\\temp\\");
}

TEST(JoinPath, RefusesResultsLongerThanAPathBufferInsteadOfCuttingThem) {
  const std::string directory = "C:\\" + std::string(250, 'd');
  std::string joined = "unchanged";
  EXPECT_TRUE(JoinPath(directory, std::string(259 - 254, 'n'), joined));
  EXPECT_EQ(joined.size(), 259u);
  joined = "unchanged";
  EXPECT_FALSE(JoinPath(directory, std::string(259 - 253, 'n'), joined));
  EXPECT_EQ(joined, "unchanged");
}

}  // namespace
