#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "ansi_code_page.h"
#include "file_bytes.h"
#include "temp_dir.h"
#include "ini_text.h"
#include "watermark_file.h"

namespace {

class WatermarkFile : public ::testing::Test {
 protected:
  void Write(const char* section, const char* key, const char* value) const {
    WritePrivateProfileStringA(section, key, value, file.c_str());
  }
  std::string Read(const char* section, const char* key) const {
    char value[1024] = "";
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, file.c_str());
    return value;
  }
  std::vector<WatermarkRecord> Load() const {
    std::vector<WatermarkRecord> records;
    LoadWatermarks(file, records);
    return records;
  }
  void WriteText(const std::string& text) const {
    WriteFileBytes(file, Bytes(text.begin(), text.end()));
  }

  std::size_t FilesInFolder() const {
    std::size_t count = 0;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(folder.file("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
  }

  TempDir folder;
  const std::string file = folder.file("option.ini");
};

TEST_F(WatermarkFile, ARecordWithoutContentIsSkippedAndTheNextSaveRenumbers) {
  WriteText(
      "[Watermark]\r\nNumber=3\r\n"
      "[Watermark0]\r\nName=Draft\r\nContent=DRAFT\r\nType=0\r\n"
      "[Watermark1]\r\nName=Empty\r\nContent=\r\nType=1\r\n"
      "[Watermark2]\r\nName=Copy\r\nContent=COPY\r\nType=2\r\n");
  const std::vector<WatermarkRecord> records = Load();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].name, "Draft");
  EXPECT_EQ(records[0].content, "DRAFT");
  EXPECT_EQ(records[0].type, kWatermarkTypeHeader);
  EXPECT_EQ(records[1].name, "Copy");
  EXPECT_EQ(records[1].type, kWatermarkTypeFooter);

  SaveWatermarks(file, records);
  EXPECT_EQ(Read("Watermark", "Number"), "2");
  EXPECT_EQ(Read("Watermark1", "Name"), "Copy");
  EXPECT_EQ(Read("Watermark1", "Content"), "COPY");
  EXPECT_EQ(Read("Watermark1", "Type"), "2");
  EXPECT_EQ(Read("Watermark2", "Name"), "Copy") << "the old section stays, unread";
  EXPECT_EQ(Load().size(), 2u);
}

TEST_F(WatermarkFile, AnEmptyListLeavesTheFileByteForByte) {
  const std::string text =
      "; kept\r\n[Watermark]\r\nNumber=1\r\n[Watermark0]\r\nName=A\r\nContent=a\r\n";
  WriteText(text);
  SaveWatermarks(file, {});
  EXPECT_EQ(ReadFileBytes(file), Bytes(text.begin(), text.end()));
  EXPECT_EQ(Load().size(), 1u) << "the records come back at the next start";

  SaveWatermarks(folder.file("none.ini"), {});
  EXPECT_FALSE(FileExists(folder.file("none.ini")));
}

TEST_F(WatermarkFile, TypeDefaultsToWatermarkAndAnUnknownTypeIsKept) {
  Write("Watermark", "Number", "2");
  Write("Watermark0", "Name", "NoType");
  Write("Watermark0", "Content", "x");
  Write("Watermark1", "Name", "Odd");
  Write("Watermark1", "Content", "y");
  Write("Watermark1", "Type", "7");
  const std::vector<WatermarkRecord> records = Load();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].type, kWatermarkTypeOutline);
  EXPECT_EQ(records[1].type, 7);
  SaveWatermarks(file, records);
  EXPECT_EQ(Read("Watermark0", "Type"), "1");
  EXPECT_EQ(Read("Watermark1", "Type"), "7");
}

TEST_F(WatermarkFile, ALongNameIsSavedWholeAndReadBackAs199BytesEndingOnACharacter) {
  const std::string name(250, 'n');
  // Two letters, then characters of two bytes in a double-byte code page (Japanese and
  // Korean alike), one of them across the 199th byte; single bytes in any other.
  std::string content = "cc";
  for (int i = 0; i < 120; ++i) content += "\x81\x41";
  EXPECT_TRUE(SaveWatermarks(file, {{name, content, kWatermarkTypeOutline}}))
      << "the file holds the bytes written, in the code page in force";
  EXPECT_EQ(Read("Watermark0", "Name"), name);
  EXPECT_EQ(Read("Watermark0", "Content"), content);
  const std::vector<WatermarkRecord> records = Load();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].name, name.substr(0, 199));
  EXPECT_EQ(records[0].content, content.substr(0, AnsiLeadBytes().IsDoubleByte() ? 198 : 199));
}

TEST_F(WatermarkFile, NoFileZeroOrNegativeNumberGiveNoRecords) {
  EXPECT_TRUE(Load().empty());
  EXPECT_FALSE(FileExists(file)) << "reading creates nothing";
  Write("Watermark0", "Name", "A");
  Write("Watermark0", "Content", "a");
  for (const char* number : {"0", "-2", "none"}) {
    Write("Watermark", "Number", number);
    EXPECT_TRUE(Load().empty()) << number;
  }
  std::vector<WatermarkRecord> records;
  LoadWatermarks("", records);
  EXPECT_TRUE(records.empty());
}

TEST_F(WatermarkFile, AHugeNumberReadsOnlyTheSectionsThereAre) {
  WriteText(
      "[watermark]\r\nNUMBER=2000000000\r\n"
      "[WATERMARK3]\r\nName=Upper\r\nContent=u\r\n"
      "[Watermark03]\r\nName=Padded\r\nContent=p\r\n"
      "[Watermark1]\r\nName=First\r\nContent=f\r\n");
  const DWORD started = GetTickCount();
  const std::vector<WatermarkRecord> records = Load();
  EXPECT_LT(GetTickCount() - started, 5000u);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].name, "First") << "in section order, not file order";
  EXPECT_EQ(records[1].name, "Upper");
}

TEST_F(WatermarkFile, TheFirstSaveCreatesTheFileAndKeepsOtherLines) {
  EXPECT_TRUE(SaveWatermarks(file, {{"A", "a", 0}, {"B", "b", 2}}));
  EXPECT_EQ(Read("Watermark", "Number"), "2");
  const std::vector<WatermarkRecord> records = Load();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].name, "B");
  EXPECT_EQ(records[1].content, "b");

  Write("Other", "Key", "kept");
  SaveWatermarks(file, {{"C", "c", 1}});
  EXPECT_EQ(Read("Other", "Key"), "kept");
  EXPECT_EQ(Read("Watermark", "Number"), "1");
  EXPECT_EQ(Read("Watermark0", "Name"), "C");
}

TEST(FindIniValue, ReadsTheFileAsTheProfileReaderDoes) {
  const std::string text =
      "[Other]\r\nName=other\r\n"
      " [ watermark0 ] \r\n  NAME = Draft copy \r\nName=second\r\nContent=\r\n"
      "[Watermark0]\r\nType=7\r\n"
      "[Watermark1]\nType=2";
  std::string value;
  EXPECT_TRUE(FindIniValue(text, "Watermark0", "name", value));
  EXPECT_EQ(value, "Draft copy");
  EXPECT_TRUE(FindIniValue(text, "Watermark0", "Content", value));
  EXPECT_EQ(value, "");
  EXPECT_TRUE(FindIniValue(text, "Watermark1", "Type", value)) << "a last line without its end";
  EXPECT_EQ(value, "2");
  EXPECT_FALSE(FindIniValue(text, "Watermark0", "Type", value)) << "a second section is not read";
  EXPECT_FALSE(FindIniValue(text, "Watermark2", "Name", value));
  // A file cut in the middle of a line keeps what stood before the cut.
  EXPECT_TRUE(FindIniValue("[A]\r\nName=Confid", "A", "Name", value));
  EXPECT_EQ(value, "Confid");
  EXPECT_FALSE(FindIniValue("[A]\r\nNa", "A", "Name", value));
  // Blanks around a written value are not kept, so they do not count against it.
  EXPECT_TRUE(IniHoldsValue("[A]\r\nName=Draft\r\n", "a", "NAME", "  Draft "));
  EXPECT_FALSE(IniHoldsValue("[A]\r\nName=Dra", "A", "Name", "Draft"));
}

TEST_F(WatermarkFile, AFileThatCannotBeWrittenIsLeftAsItWasAndTheSaveSaysSo) {
  WriteText("[Watermark]\r\nNumber=1\r\n[Watermark0]\r\nName=Old\r\nContent=old\r\n");
  const Bytes before = ReadFileBytes(file);
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(SaveWatermarks(file, {{"New", "new", 1}}));
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFileBytes(file), before);
  EXPECT_EQ(FilesInFolder(), 1u) << "no temporary copy is left beside the file";

  // A folder that is not there cannot take the file, nor its temporary copy.
  EXPECT_FALSE(SaveWatermarks(folder.file("missing\\option.ini"), {{"New", "new", 1}}));
  // Nothing to save is no failure, whatever the file.
  EXPECT_TRUE(SaveWatermarks(folder.file("missing\\option.ini"), {}));
  EXPECT_EQ(FilesInFolder(), 1u);
}

}  // namespace
