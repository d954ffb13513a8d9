#include "file_search.h"

#include <windows.h>

#include "ansi_code_page.h"
#include "name_pattern.h"
#include "path_parts.h"
#include "scoped_handle.h"

int ListMatchingFiles(const std::string& directory, const std::string& pattern, PathList& list) {
  if (directory.empty() || pattern.empty()) return 0;
  list.clear();
  std::string query;
  if (!JoinPath(directory, pattern, query, AnsiLeadBytes())) return 0;

  WIN32_FIND_DATAA found;
  ScopedFindHandle search(FindFirstFileA(query.c_str(), &found));
  if (!search.valid()) return 0;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    // The search also matches longer extensions and 8.3 aliases; only real matches count.
    if (!NameMatchesPattern(found.cFileName, pattern, AnsiLeadBytes())) continue;
    std::string path;
    if (JoinPath(directory, found.cFileName, path, AnsiLeadBytes())) list.push_back(path);
  } while (FindNextFileA(search.get(), &found));
  return static_cast<int>(list.size());
}

void DeleteMatchingFiles(const std::string& directory, const std::string& pattern) {
  PathList files;
  ListMatchingFiles(directory, pattern, files);
  for (const std::string& file : files) DeleteFileA(file.c_str());
}
