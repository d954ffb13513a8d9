#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

// A bitmap in the screen's format that a page is drawn into and that saves itself as a
// BMP file. It owns the bitmap and the BITMAPINFO (header and colour table) describing it.
class CPageBitmap {
 public:
  CPageBitmap() = default;
  ~CPageBitmap();
  CPageBitmap(const CPageBitmap&) = delete;
  CPageBitmap& operator=(const CPageBitmap&) = delete;

  // Makes a bitmap of the screen's format; the bit count comes from `dc` (the screen when
  // null). Returns 1 on success, 0 on failure; anything held before is replaced.
  int Create(int width, int height, HDC dc);
  // Writes the BMP file; returns 1 on success. A failed save leaves no file behind (the
  // export saves into a fresh temporary file, so nothing of the user's is lost).
  int Save(const char* path);
  // Releases the bitmap and its description.
  void Destroy();

  HBITMAP GetSafeHandle() const { return m_bitmap; }
  // The path last saved to successfully ("" until then).
  const std::string& FileName() const { return m_fileName; }

 private:
  const BITMAPINFOHEADER& Header() const;
  bool WriteFile(std::FILE* file) const;

  HBITMAP m_bitmap = nullptr;
  std::string m_fileName;
  std::unique_ptr<unsigned char[]> m_info;
  std::size_t m_infoBytes = 0;
};

using BmpFileWriter = bool (*)(const void* data, std::size_t bytes, std::FILE* file);
// Every write of a BMP file goes through here, so tests can see the blocks and make a write
// fail. nullptr restores fwrite; returns the previous writer.
BmpFileWriter SetBmpFileWriter(BmpFileWriter writer);
