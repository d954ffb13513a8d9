#pragma once

#include <cstdio>
#include <memory>

struct CFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// A C runtime file, closed once on every path.
using UniqueCFile = std::unique_ptr<std::FILE, CFileCloser>;
