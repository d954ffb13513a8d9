#include "watermark_file.h"

#include <windows.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "ansi_code_page.h"
#include "formatted_text.h"
#include "ini_text.h"
#include "replace_file.h"
#include "scoped_handle.h"

namespace {

constexpr char kListSection[] = "Watermark";
constexpr char kCountKey[] = "Number";
constexpr char kRecordSectionFormat[] = "Watermark%d";
constexpr char kNameKey[] = "Name";
constexpr char kContentKey[] = "Content";
constexpr char kTypeKey[] = "Type";
// A value is read into this many bytes, so at most one less come back.
constexpr DWORD kValueBufferBytes = 200;

std::string RecordSection(int index) {
  return FormatText(kRecordSectionFormat, index);
}

// A value cut to fit the buffer never ends in half a character.
std::string ReadValue(const std::string& file, const std::string& section, const char* key) {
  char value[kValueBufferBytes] = "";
  GetPrivateProfileStringA(section.c_str(), key, "", value, kValueBufferBytes, file.c_str());
  return WithoutCutCharacter(value, AnsiLeadBytes());
}

// The section names of the file, one after another.
std::vector<char> SectionNames(const std::string& file) {
  std::vector<char> names(4096);
  for (;;) {
    const DWORD length = GetPrivateProfileSectionNamesA(
        names.data(), static_cast<DWORD>(names.size()), file.c_str());
    // A buffer that was too small comes back filled to its size less two.
    if (length + 2 < names.size()) return names;
    names.resize(names.size() * 2);
  }
}

// The numbers i below `count` for which the file has a section "Watermark<i>": only they
// can hold a record, so a huge "Number" costs no more reads than the file has sections.
std::set<int> RecordSectionsBelow(const std::string& file, int count) {
  std::set<int> indexes;
  const std::vector<char> names = SectionNames(file);
  const int prefixLength = lstrlenA(kListSection);
  for (const char* name = names.data(); *name; name += lstrlenA(name) + 1) {
    if (lstrlenA(name) <= prefixLength) continue;
    char* end = nullptr;
    const long index = std::strtol(name + prefixLength, &end, 10);
    if (*end || index < 0 || index >= count) continue;
    if (lstrcmpiA(name, RecordSection(static_cast<int>(index)).c_str()) == 0)
      indexes.insert(static_cast<int>(index));
  }
  return indexes;
}

// The file's bytes as they are on disk; false when it cannot be read whole.
bool ReadWholeFile(const char* path, std::string& text) {
  ScopedFileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  DWORD high = 0;
  const DWORD size = GetFileSize(file.get(), &high);
  if (size == INVALID_FILE_SIZE || high != 0) return false;
  text.resize(size);
  DWORD read = 0;
  return size == 0 || (ReadFile(file.get(), &text[0], size, &read, nullptr) && read == size);
}

// Whether the file on disk holds every value written: the profile calls do not tell of a
// disk that filled while they wrote the file.
bool HoldsList(const char* file, const std::vector<WatermarkRecord>& watermarks) {
  std::string text;
  if (!ReadWholeFile(file, text) ||
      !IniHoldsValue(text, kListSection, kCountKey, std::to_string(watermarks.size())))
    return false;
  for (std::size_t i = 0; i < watermarks.size(); ++i) {
    const WatermarkRecord& record = watermarks[i];
    const std::string section = RecordSection(static_cast<int>(i));
    if (!IniHoldsValue(text, section, kNameKey, record.name) ||
        !IniHoldsValue(text, section, kContentKey, record.content) ||
        !IniHoldsValue(text, section, kTypeKey, std::to_string(record.type)))
      return false;
  }
  return true;
}

}  // namespace

void LoadWatermarks(const std::string& optionFile, std::vector<WatermarkRecord>& watermarks) {
  if (optionFile.empty()) return;
  const int count =
      static_cast<int>(GetPrivateProfileIntA(kListSection, kCountKey, 0, optionFile.c_str()));
  if (count <= 0) return;
  for (int index : RecordSectionsBelow(optionFile, count)) {
    const std::string section = RecordSection(index);
    WatermarkRecord record;
    record.name = ReadValue(optionFile, section, kNameKey);
    record.content = ReadValue(optionFile, section, kContentKey);
    record.type = static_cast<int>(GetPrivateProfileIntA(
        section.c_str(), kTypeKey, kWatermarkTypeOutline, optionFile.c_str()));
    if (!record.name.empty() && !record.content.empty()) watermarks.push_back(std::move(record));
  }
}

bool SaveWatermarks(const std::string& optionFile, const std::vector<WatermarkRecord>& watermarks) {
  if (optionFile.empty() || watermarks.empty()) return true;
  // A file the user made read-only stays as it is, though the folder would allow a rename.
  const DWORD attributes = GetFileAttributesA(optionFile.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  // The edits go into a copy that replaces the file only once it is complete, so a full
  // disk never leaves half a file.
  TemporaryFile copy(optionFile);
  if (!copy.made() || (exists && !CopyFileA(optionFile.c_str(), copy.path(), FALSE))) return false;
  const char* file = copy.path();
  bool written = WritePrivateProfileStringA(kListSection, kCountKey,
                                            std::to_string(watermarks.size()).c_str(), file) != FALSE;
  for (std::size_t i = 0; written && i < watermarks.size(); ++i) {
    const WatermarkRecord& record = watermarks[i];
    const std::string section = RecordSection(static_cast<int>(i));
    written = WritePrivateProfileStringA(section.c_str(), kNameKey, record.name.c_str(), file) &&
              WritePrivateProfileStringA(section.c_str(), kContentKey, record.content.c_str(), file) &&
              WritePrivateProfileStringA(section.c_str(), kTypeKey, std::to_string(record.type).c_str(),
                                         file);
  }
  // The 9x family keeps profile writes in a cache until they are flushed; the flush
  // reports nothing either way.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
  return written && HoldsList(file, watermarks) && copy.MoveOver();
}
