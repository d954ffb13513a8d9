#include "app_paths.h"

#include "ansi_code_page.h"
#include "app_names.h"
#include "path_parts.h"

std::string OptionFilePath(const std::string& programPath) {
  const PathParts parts = SplitPath(programPath, AnsiLeadBytes());
  const std::string path =
      parts.drive + parts.directory + kOptionFileName + kOptionFileExtension;
  return FitsPathBuffer(path) ? path : std::string();
}

std::string WorkDirectoryPath(const std::string& programPath) {
  const PathParts parts = SplitPath(programPath, AnsiLeadBytes());
  std::string path;
  if (!JoinPath(parts.drive + parts.directory, kWorkDirectoryName, path, AnsiLeadBytes()))
    return std::string();
  return path;
}
