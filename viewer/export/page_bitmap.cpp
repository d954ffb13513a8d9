#include "page_bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "bmp_layout.h"
#include "c_file.h"
#include "colour_depth.h"
#include "display_metrics.h"
#include "framework/gdi_holders.h"

namespace {

bool WriteWithFwrite(const void* data, std::size_t bytes, std::FILE* file) {
  return std::fwrite(data, 1, bytes, file) == bytes;
}

BmpFileWriter g_write = WriteWithFwrite;

// Devices with several planes of one bit each report their colour depth in the planes.
int BitCountOf(const ColourDepth& depth) {
  return depth.planes != 1 && depth.bitsPerPixel == 1 ? depth.planes : depth.bitsPerPixel;
}

LONG PixelsPerMetre(int resolution, int sizeMm) {
  return sizeMm > 0 ? resolution * 1000 / sizeMm : 0;
}

BITMAPINFOHEADER DescribeBitmap(int width, int height, int bitCount, DWORD imageBytes) {
  BITMAPINFOHEADER header = {};
  header.biSize = kBmpInfoHeaderBytes;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(bitCount);
  header.biCompression = bitCount == 16 || bitCount == 32 ? BI_BITFIELDS : BI_RGB;
  header.biSizeImage = imageBytes;
  DisplayMetrics metrics;
  if (ReadDisplayMetrics(metrics)) {
    header.biXPelsPerMeter = PixelsPerMetre(metrics.horzRes, metrics.horzSizeMm);
    header.biYPelsPerMeter = PixelsPerMetre(metrics.vertRes, metrics.vertSizeMm);
  }
  return header;
}

std::unique_ptr<unsigned char[]> AllocateZeroed(std::size_t bytes) {
  std::unique_ptr<unsigned char[]> block(new (std::nothrow) unsigned char[bytes]);
  if (block) std::memset(block.get(), 0, bytes);
  return block;
}

// Reads all pixel rows of `bitmap` in the format `info` describes; false unless every row came.
bool ReadPixels(HBITMAP bitmap, BITMAPINFO* info, unsigned char* pixels) {
  CClientDC screen(GetDesktopWindow());
  if (!screen) return false;
  const UINT rows = static_cast<UINT>(info->bmiHeader.biHeight);
  return GetDIBits(screen.get(), bitmap, 0, rows, pixels, info, DIB_RGB_COLORS) ==
         static_cast<int>(rows);
}

}  // namespace

CPageBitmap::~CPageBitmap() { Destroy(); }

void CPageBitmap::Destroy() {
  m_fileName.clear();
  m_info.reset();
  m_infoBytes = 0;
  if (m_bitmap) DeleteObject(m_bitmap);
  m_bitmap = nullptr;
}

const BITMAPINFOHEADER& CPageBitmap::Header() const {
  return *reinterpret_cast<const BITMAPINFOHEADER*>(m_info.get());
}

int CPageBitmap::Create(int width, int height, HDC dc) {
  if (width <= 0 || height <= 0) return 0;
  const int bitCount = BitCountOf(ReadColourDepth(dc));
  if (!IsBmpBitCount(bitCount)) return 0;
  DWORD imageBytes = 0;
  if (!BmpImageBytes(width, height, bitCount, imageBytes)) return 0;

  const ColourDepth screenDepth = ReadColourDepth(nullptr);
  CGdiObject<HBITMAP> bitmap(CreateBitmap(width, height, screenDepth.planes, screenDepth.bitsPerPixel,
                                   nullptr));
  if (!bitmap) return 0;

  const BITMAPINFOHEADER header = DescribeBitmap(width, height, bitCount, imageBytes);
  const std::size_t infoBytes = kBmpInfoHeaderBytes + ColourTableBytes(header);
  std::unique_ptr<unsigned char[]> info = AllocateZeroed(infoBytes);
  if (!info) return 0;
  std::memcpy(info.get(), &header, sizeof header);

  // Reading the pixels once makes GDI fill in the palette or the colour masks.
  std::unique_ptr<unsigned char[]> scratch(new (std::nothrow) unsigned char[imageBytes]);
  if (!scratch ||
      !ReadPixels(bitmap.get(), reinterpret_cast<BITMAPINFO*>(info.get()), scratch.get()))
    return 0;

  Destroy();
  m_bitmap = bitmap.release();
  m_info = std::move(info);
  m_infoBytes = infoBytes;
  return 1;
}

bool CPageBitmap::WriteFile(std::FILE* file) const {
  const BITMAPINFOHEADER& header = Header();
  const DWORD tableBytes = static_cast<DWORD>(m_infoBytes - kBmpInfoHeaderBytes);
  const BITMAPFILEHEADER fileHeader = BmpFileHeader(header.biSizeImage, tableBytes);
  // GetDIBits may rewrite the description it is given; the object's own stays as created.
  std::unique_ptr<unsigned char[]> info = AllocateZeroed(m_infoBytes);
  std::unique_ptr<unsigned char[]> pixels(new (std::nothrow) unsigned char[header.biSizeImage]);
  if (!info || !pixels) return false;
  std::memcpy(info.get(), m_info.get(), m_infoBytes);

  if (!g_write(&fileHeader, sizeof fileHeader, file) || !g_write(info.get(), m_infoBytes, file))
    return false;
  if (!ReadPixels(m_bitmap, reinterpret_cast<BITMAPINFO*>(info.get()), pixels.get()))
    return false;
  std::size_t offset = 0;
  while (offset < header.biSizeImage) {
    const std::size_t block = std::min<std::size_t>(kBmpWriteBlockBytes, header.biSizeImage - offset);
    if (!g_write(pixels.get() + offset, block, file)) return false;
    offset += block;
  }
  return true;
}

int CPageBitmap::Save(const char* path) {
  if (!m_bitmap || !path || !*path) return 0;
  UniqueCFile file(std::fopen(path, "w+b"));
  if (!file) return 0;
  const bool written = WriteFile(file.get());
  // Bytes that cannot be flushed leave the file as incomplete as a failed write.
  const bool closed = std::fclose(file.release()) == 0;
  // A truncated bitmap must not be mistaken for a page: remove what was written.
  if (!written || !closed) {
    DeleteFileA(path);
    return 0;
  }
  m_fileName = path;
  return 1;
}

BmpFileWriter SetBmpFileWriter(BmpFileWriter writer) {
  BmpFileWriter previous = g_write;
  g_write = writer ? writer : WriteWithFwrite;
  return previous;
}
