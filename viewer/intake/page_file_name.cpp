#include "page_file_name.h"

#include <cstdio>

std::string PageFileName(const std::string& baseName, int index) {
  char number[16];
  std::snprintf(number, sizeof number, "%04d", index);
  return baseName + number + ".emf";
}
