#include "spooler_directory.h"

#include <algorithm>

#include "ansi_code_page.h"
#include "path_parts.h"

std::string SpoolerDirectory(SpoolerDirectoryQuery query, const char* environment) {
  char directory[MAX_PATH] = "";
  std::string environmentName(environment);
  DWORD needed = 0;
  query(nullptr, environmentName.data(), 1, reinterpret_cast<BYTE*>(directory), MAX_PATH, &needed);
  const auto length = std::find(directory, directory + MAX_PATH, '\0') - directory;
  return WithTrailingBackslash(std::string(directory, static_cast<std::size_t>(length)), AnsiLeadBytes());
}
