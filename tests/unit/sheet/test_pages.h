#pragma once

#include <windows.h>

#include <vector>

#include "page_store.h"

// Pages for drawing tests; the metafiles are released with the object.
class TestPages {
 public:
  TestPages() = default;
  ~TestPages();
  TestPages(const TestPages&) = delete;
  TestPages& operator=(const TestPages&) = delete;

  // A page of nWidth x nHeight whose picture fills its whole frame with `colour`.
  void AddSolid(int width, int height, COLORREF colour);
  // A page of nWidth x nHeight whose picture draws nothing.
  void AddBlank(int width, int height);
  // `count` blank A4-proportioned pages.
  void AddBlanks(int count);
  // A page whose metafile is missing: nothing can be played.
  void AddWithoutMetafile(int width, int height);

  const std::vector<PageEntry>& entries() const { return m_entries; }

 private:
  std::vector<PageEntry> m_entries;
};
