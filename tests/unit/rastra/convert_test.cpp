#include "format_dispatch.h"
#include "rastra.h"
#include "sample_bmp.h"
#include "replace_file.h"
#include "target_file.h"

#include "file_bytes.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <windows.h>

namespace {

class RastraConvert : public ::testing::Test {
 protected:
  RastraConvert() : m_source(m_dir.file("page.bmp")) {
    const std::vector<std::uint8_t> bmp = BuildSampleBmp({BmpKind::Rgb24, 9, 5, false});
    WriteFileBytes(m_source, Bytes(bmp.begin(), bmp.end()));
  }

  // Names in the folder other than the source.
  std::vector<std::string> OtherFiles() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(m_dir.file("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != ".." && name != "page.bmp") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }

  TempDir m_dir;
  std::string m_source;
};

bool Starts(const Bytes& bytes, const std::string& prefix) {
  return bytes.size() >= prefix.size() && std::string(bytes.begin(), bytes.begin() + prefix.size()) == prefix;
}

BOOL WINAPI MoveFileExStub(LPCSTR, LPCSTR, DWORD) {
  SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI MoveFileExDenied(LPCSTR, LPCSTR, DWORD) {
  SetLastError(ERROR_ACCESS_DENIED);
  return FALSE;
}

}  // namespace

TEST(RastraFormatDispatch, FindsEveryFormatByExtensionInAnyCase) {
  const std::pair<const char*, ImageWriter> cases[] = {
      {"a.png", WritePng},   {"A.PNG", WritePng},   {"x.Jpg", WriteJpeg},  {"x.JPEG", WriteJpeg},
      {"x.tif", WriteTiff},  {"x.TiFF", WriteTiff}, {"x.gif", WriteGif},   {"x.psd", WritePsd},
      {"x.pcx", WritePcx},   {"x.dcx", WriteDcx},   {"x.tga", WriteTga},   {"x.DIB", WriteDib},
      {"x.pic", WritePict},  {"x.PCD", WritePhotoCd}, {"c:\\out.d\\job0001.png", WritePng},
  };
  for (const auto& c : cases) EXPECT_EQ(FindImageWriter(c.first), c.second) << c.first;
  for (const char* path : {"x.bmp", "x.emf", "x", "x.", "c:\\dir.png\\job", "x.png.txt", "x.pngx", ""}) {
    EXPECT_EQ(FindImageWriter(path), nullptr) << path;
  }
}

TEST_F(RastraConvert, WritesTheTargetAndLeavesNothingElse) {
  ASSERT_EQ(RastraConvertBmp(m_source.c_str(), m_dir.file("page.PNG").c_str()), RASTRA_OK);
  EXPECT_TRUE(Starts(ReadFileBytes(m_dir.file("page.png")), "\x89PNG"));
  EXPECT_EQ(OtherFiles(), std::vector<std::string>{"page.PNG"});
}

TEST_F(RastraConvert, ReplacesAnExistingTarget) {
  WriteFileBytes(m_dir.file("old.gif"), Bytes(5000, 'x'));
  ASSERT_EQ(RastraConvertBmp(m_source.c_str(), m_dir.file("old.gif").c_str()), RASTRA_OK);
  EXPECT_TRUE(Starts(ReadFileBytes(m_dir.file("old.gif")), "GIF89a"));
}

TEST_F(RastraConvert, RefusesMissingArgumentsAndUnknownExtensionsWithoutWritingAFile) {
  EXPECT_EQ(RastraConvertBmp(nullptr, m_dir.file("a.png").c_str()), RASTRA_ERROR_ARGUMENT);
  EXPECT_EQ(RastraConvertBmp(m_source.c_str(), nullptr), RASTRA_ERROR_ARGUMENT);
  EXPECT_EQ(RastraConvertBmp("", m_dir.file("a.png").c_str()), RASTRA_ERROR_ARGUMENT);
  EXPECT_EQ(RastraConvertBmp(m_source.c_str(), ""), RASTRA_ERROR_ARGUMENT);
  for (const char* name : {"a.bmp", "a.emf", "a", "a.webp"}) {
    EXPECT_EQ(RastraConvertBmp(m_source.c_str(), m_dir.file(name).c_str()), RASTRA_ERROR_UNKNOWN_FORMAT) << name;
  }
  EXPECT_TRUE(OtherFiles().empty());
}

TEST_F(RastraConvert, SourceFailuresLeaveNoFileAndAnExistingTargetUnchanged) {
  EXPECT_EQ(RastraConvertBmp(m_dir.file("missing.bmp").c_str(), m_dir.file("a.png").c_str()),
            RASTRA_ERROR_SOURCE_UNREADABLE);
  WriteFileBytes(m_dir.file("bad.bmp"), Bytes{'B', 'M', 1, 2, 3});
  const Bytes previous(10, 'p');
  WriteFileBytes(m_dir.file("kept.tif"), previous);
  EXPECT_EQ(RastraConvertBmp(m_dir.file("bad.bmp").c_str(), m_dir.file("kept.tif").c_str()),
            RASTRA_ERROR_SOURCE_MALFORMED);
  EXPECT_EQ(ReadFileBytes(m_dir.file("kept.tif")), previous);
  DeleteFileA(m_dir.file("bad.bmp").c_str());
  EXPECT_EQ(OtherFiles(), std::vector<std::string>{"kept.tif"});
}

TEST_F(RastraConvert, TargetFailuresRemoveTheTemporaryFile) {
  EXPECT_EQ(RastraConvertBmp(m_source.c_str(), m_dir.file("no such folder\\a.png").c_str()),
            RASTRA_ERROR_TARGET_UNWRITABLE);
  // A folder in the target's place cannot be replaced by the finished image.
  ASSERT_TRUE(CreateDirectoryA(m_dir.file("taken.png").c_str(), nullptr));
  EXPECT_EQ(RastraConvertBmp(m_source.c_str(), m_dir.file("taken.png").c_str()), RASTRA_ERROR_TARGET_NOT_REPLACED);
  EXPECT_EQ(OtherFiles(), std::vector<std::string>{"taken.png"});
}

TEST_F(RastraConvert, WhereMoveFileExIsAStubKeepsTheOldTargetUntilTheNewOneIsInPlace) {
  WriteFileBytes(m_dir.file("new"), Bytes{1, 2, 3});
  WriteFileBytes(m_dir.file("target"), Bytes{9});
  ASSERT_TRUE(MoveOverTarget(m_dir.file("new").c_str(), m_dir.file("target").c_str(), MoveFileExStub));
  EXPECT_EQ(ReadFileBytes(m_dir.file("target")), (Bytes{1, 2, 3}));
  EXPECT_FALSE(FileExists(m_dir.file("new")));
  // Any other failure is final: the target stays as it was.
  WriteFileBytes(m_dir.file("new"), Bytes{4});
  EXPECT_FALSE(MoveOverTarget(m_dir.file("new").c_str(), m_dir.file("target").c_str(), MoveFileExDenied));
  EXPECT_EQ(ReadFileBytes(m_dir.file("target")), (Bytes{1, 2, 3}));
  // A move that fails on the 9x route puts the old target back and leaves nothing aside.
  EXPECT_FALSE(MoveOverTarget(m_dir.file("missing").c_str(), m_dir.file("target").c_str(), MoveFileExStub));
  EXPECT_EQ(ReadFileBytes(m_dir.file("target")), (Bytes{1, 2, 3}));
  std::vector<std::string> left = OtherFiles();
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"new", "target"}));
  // Without an old target the new file simply moves in.
  EXPECT_TRUE(MoveOverTarget(m_dir.file("new").c_str(), m_dir.file("fresh").c_str(), MoveFileExStub));
  EXPECT_EQ(ReadFileBytes(m_dir.file("fresh")), (Bytes{4}));
}

TEST_F(RastraConvert, RefusesPictFilesTooNarrowForAnUnambiguousLayout) {
  const std::vector<std::uint8_t> narrow = BuildSampleBmp({BmpKind::Rgb24, 2, 4, false});
  WriteFileBytes(m_dir.file("narrow.bmp"), Bytes(narrow.begin(), narrow.end()));
  EXPECT_EQ(RastraConvertBmp(m_dir.file("narrow.bmp").c_str(), m_dir.file("narrow.pic").c_str()),
            RASTRA_ERROR_IMAGE_TOO_SMALL);
  EXPECT_FALSE(FileExists(m_dir.file("narrow.pic")));
  EXPECT_EQ(RastraConvertBmp(m_dir.file("narrow.bmp").c_str(), m_dir.file("narrow.png").c_str()), RASTRA_OK);
}
