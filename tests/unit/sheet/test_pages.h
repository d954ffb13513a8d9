#pragma once

#include <windows.h>

#include <string>
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
  // A page whose top half is `top` and bottom half `bottom`: which way it is turned shows.
  void AddTopAndBottom(int width, int height, COLORREF top, COLORREF bottom);
  // A page of nWidth x nHeight painted white all over, as many programs start a page, with
  // a black box over the middle fifth of its width and height: wide white margins.
  void AddInset(int width, int height);
  // A page of nWidth x nHeight whose picture draws nothing.
  void AddBlank(int width, int height);
  // `count` blank A4-proportioned pages.
  void AddBlanks(int count);
  // A page whose metafile is missing: nothing can be played.
  void AddWithoutMetafile(int width, int height);
  // An A4 page with a border and a line of text.
  void AddLabelled(const std::string& label);
  // A 100 x 100 page that fills a square outside its frame, half a page wide and centred
  // one and a half pages right of and below its top-left corner. With hideSpill its
  // recorded bounds are rewritten to claim that it draws inside its frame.
  void AddSpilling(bool hideSpill);
  // Takes over a page loaded elsewhere, metafile and all.
  void Adopt(const PageEntry& entry) { m_entries.push_back(entry); }

  const std::vector<PageEntry>& entries() const { return m_entries; }
  // For turning a page; the metafiles stay this object's.
  PageEntry& entry(size_t index) { return m_entries[index]; }

 private:
  std::vector<PageEntry> m_entries;
};
