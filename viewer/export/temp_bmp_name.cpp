#include "temp_bmp_name.h"

#include <windows.h>

#include "ansi_code_page.h"
#include "export_texts.h"
#include "path_parts.h"

namespace {

constexpr int kMaxTempNumber = 32767;

bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string TempFolder() {
  char tmp[MAX_PATH] = "";
  const DWORD length = GetEnvironmentVariableA("TMP", tmp, sizeof tmp);
  if (length > 0 && length < sizeof tmp && IsDirectory(tmp)) return tmp;
  if (IsDirectory(kTempBmpDirectory)) return kTempBmpDirectory;
  return "\\";
}

// Counts up from 1 to the first name whose bitmap does not exist yet; the check includes
// the extension, so an earlier bitmap of the same number is never overwritten.
bool FirstFreeTempBmpName(std::string& name) {
  const std::string folder = WithTrailingBackslash(TempFolder(), AnsiLeadBytes());
  for (int number = 1; number <= kMaxTempNumber; ++number) {
    const std::string candidate = folder + kTempBmpPrefix + std::to_string(number) + kBmpExtension;
    if (!FitsPathBuffer(candidate)) return false;
    if (GetFileAttributesA(candidate.c_str()) == INVALID_FILE_ATTRIBUTES) {
      name = candidate;
      return true;
    }
  }
  return false;
}

TempBmpNameSource g_source = FirstFreeTempBmpName;

}  // namespace

bool MakeTempBmpName(std::string& name) { return g_source(name); }

TempBmpNameSource SetTempBmpNameSource(TempBmpNameSource source) {
  TempBmpNameSource previous = g_source;
  g_source = source ? source : FirstFreeTempBmpName;
  return previous;
}
