#include <gtest/gtest.h>

#include <windows.h>

#include "file_bytes.h"
#include "temp_bmp_name.h"
#include "temp_dir.h"

namespace {

// Points TMP somewhere else for the life of the object.
class TmpVariable {
 public:
  explicit TmpVariable(const std::string& value) {
    const DWORD length = GetEnvironmentVariableA("TMP", m_saved, sizeof m_saved);
    m_had = length > 0 && length < sizeof m_saved;
    SetEnvironmentVariableA("TMP", value.c_str());
  }
  ~TmpVariable() { SetEnvironmentVariableA("TMP", m_had ? m_saved : nullptr); }
  TmpVariable(const TmpVariable&) = delete;
  TmpVariable& operator=(const TmpVariable&) = delete;

 private:
  char m_saved[MAX_PATH] = "";
  bool m_had = false;
};

// Wine's GetEnvironmentVariableA cuts a double-byte TMP short, so TMP cannot name a
// double-byte folder under Wine; the end-to-end runs cover such a temporary folder.
#define SKIP_WHERE_TMP_CANNOT_HOLD_THE_TEST_FOLDER()                               \
  if (!TestFolderTail().empty()) GTEST_SKIP() << "TMP holds no double-byte folder under Wine"

TEST(MakeTempBmpName, TakesTheFirstFreeTempBitmapInTheTmpFolder) {
  SKIP_WHERE_TMP_CANNOT_HOLD_THE_TEST_FOLDER();
  TempDir dir;
  TmpVariable tmp(dir.path());
  std::string name;
  ASSERT_TRUE(MakeTempBmpName(name));
  EXPECT_EQ(name, dir.file("temp1.bmp"));

  WriteFileBytes(dir.file("temp1.bmp"), Bytes{1});
  WriteFileBytes(dir.file("temp2"), Bytes{1});
  ASSERT_TRUE(MakeTempBmpName(name));
  EXPECT_EQ(name, dir.file("temp2.bmp"));
}

TEST(MakeTempBmpName, FallsBackWhenTmpNamesNoFolder) {
  TempDir dir;
  TmpVariable tmp(dir.file("missing"));
  std::string name;
  ASSERT_TRUE(MakeTempBmpName(name));
  EXPECT_EQ(name.find(dir.path()), std::string::npos);
  EXPECT_EQ(name.rfind(".bmp"), name.size() - 4);
  EXPECT_FALSE(FileExists(name));
}

TEST(MakeTempBmpName, RefusesAFolderTooLongForAnyName) {
  SKIP_WHERE_TMP_CANNOT_HOLD_THE_TEST_FOLDER();
  TempDir dir;
  std::string deep = dir.path();
  while (deep.size() < 250) {
    deep += "\\" + std::string(20, 'd');
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
  }
  TmpVariable tmp(deep);
  std::string name = "unchanged";
  EXPECT_FALSE(MakeTempBmpName(name));
  EXPECT_EQ(name, "unchanged");
}

}  // namespace
