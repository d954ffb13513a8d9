#include "file_sets.h"

#include "nt_versions.h"
#include "setup_texts.h"
#include "windows_family.h"

namespace {

constexpr const char kNtDriver[] = "plinthdrv.dll";
constexpr const char kNtData[] = "plinth.gpd";
constexpr const char kNtConfig[] = "plinthui.dll";
constexpr const char k9xDriver[] = "plinth.drv";

struct FileSetRow {
  bool (*applies)(DWORD versionWord);
  FileSet files;
};

// Tried in this order; the first row that applies wins.
constexpr FileSetRow kRows[] = {
    {IsWinNT4, {"winnt", kNtDriver, kNtData, kNtConfig, 2, nullptr}},
    {IsWin2000, {"win2k", kNtDriver, kNtData, kNtConfig, 3, nullptr}},
    {IsWinXP, {"winxp", kNtDriver, kNtData, kNtConfig, 3, nullptr}},
    {IsWin2003, {"winxp", kNtDriver, kNtData, kNtConfig, 3, nullptr}},
    {IsWin98, {"win98", k9xDriver, k9xDriver, k9xDriver, 0, nullptr}},
    {IsWin95, {"win95", k9xDriver, k9xDriver, k9xDriver, 0, kNt95Notice}},
};

constexpr FileSet kUnknownVersion = {"win2k", kNtDriver, kNtData, kNtConfig, 0, kUnknownOsNotice};

}  // namespace

const FileSet& ChooseFileSet(DWORD versionWord) {
  for (const FileSetRow& row : kRows) {
    if (row.applies(versionWord)) return row.files;
  }
  return kUnknownVersion;
}
