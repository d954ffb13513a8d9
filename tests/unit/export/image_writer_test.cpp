#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image_writer.h"
#include "rastra/rastra.h"

namespace {

std::vector<std::string> g_calls;

LONG WINAPI RecordingWriter(const char* source, const char* target) {
  g_calls.push_back(std::string(source) + "|" + target);
  return RASTRA_ERROR_ENCODER;
}

class WriteImageFileTest : public ::testing::Test {
 protected:
  WriteImageFileTest() : m_previous(SetImageWriterEntry(RecordingWriter)) { g_calls.clear(); }
  ~WriteImageFileTest() override { SetImageWriterEntry(m_previous); }

 private:
  ImageWriterEntry m_previous;
};

TEST_F(WriteImageFileTest, HandsBothPathsToTheLibraryAndReturnsItsResult) {
  EXPECT_EQ(WriteImageFile("C:\\tmp\\temp1.bmp", "C:\\out\\job0000.png"), RASTRA_ERROR_ENCODER);
  EXPECT_EQ(g_calls, std::vector<std::string>{"C:\\tmp\\temp1.bmp|C:\\out\\job0000.png"});
}

TEST_F(WriteImageFileTest, PathsUpTo255CharactersFitTheLibrarysBuffers) {
  const std::string longest = "C:\\" + std::string(248, 'a') + ".png";
  ASSERT_EQ(longest.size(), 255u);
  WriteImageFile(longest.c_str(), longest.c_str());
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0], longest + "|" + longest);
}

TEST_F(WriteImageFileTest, RefusesAbsentOrOverlongPathsWithoutCallingTheLibrary) {
  const std::string tooLong = "C:\\" + std::string(249, 'a') + ".png";
  ASSERT_EQ(tooLong.size(), 256u);
  EXPECT_EQ(WriteImageFile(tooLong.c_str(), "C:\\out\\a.png"), RASTRA_ERROR_ARGUMENT);
  EXPECT_EQ(WriteImageFile("C:\\tmp\\a.bmp", tooLong.c_str()), RASTRA_ERROR_ARGUMENT);
  EXPECT_EQ(WriteImageFile(nullptr, "C:\\out\\a.png"), RASTRA_ERROR_ARGUMENT);
  EXPECT_EQ(WriteImageFile("C:\\tmp\\a.bmp", nullptr), RASTRA_ERROR_ARGUMENT);
  EXPECT_TRUE(g_calls.empty());
  EXPECT_FALSE(ImageWriterSucceeded(RASTRA_ERROR_ARGUMENT));
}

}  // namespace
