// Benchmark half run inside Wine: draws document-like screen pages (672 x 950, 32 bits with
// masks, as the viewer renders them), saves them as BMPs, then converts every page to PNG,
// JPEG and TIFF through Rastra.dll, timing each format. Prints "format seconds-per-page bytes".
//   bench_pages FOLDER PAGES
#include "rastra.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 672, kHeight = 950;

const char* const kWords[] = {"invoice", "the", "amount", "of", "payment", "due", "within", "thirty", "days",
                              "delivery", "order", "number", "customer", "account", "total", "and", "tax"};

// Draws page `n`: a heading, paragraphs of text, a table with rules, a coloured chart.
void DrawPage(HDC dc, int n) {
  RECT page{0, 0, kWidth, kHeight};
  FillRect(dc, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HFONT heading = CreateFontA(28, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Arial");
  HFONT body = CreateFontA(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, DEFAULT_QUALITY, 0, "Arial");
  HGDIOBJ previous = SelectObject(dc, heading);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(20, 40, 120));
  const std::string title = "Quarterly statement " + std::to_string(n + 1);
  TextOutA(dc, 48, 40, title.c_str(), static_cast<int>(title.size()));
  SelectObject(dc, body);
  SetTextColor(dc, RGB(0, 0, 0));
  std::srand(static_cast<unsigned>(n) * 7919u + 1);
  int y = 100;
  for (int line = 0; line < 30; ++line, y += 16) {
    std::string text;
    while (text.size() < 90) text += std::string(kWords[std::rand() % 17]) + " ";
    TextOutA(dc, 48, y, text.c_str(), static_cast<int>(text.size()));
  }
  for (int row = 0; row <= 10; ++row) {  // table rules
    RECT rule{48, y + 20 + row * 20, kWidth - 48, y + 21 + row * 20};
    FillRect(dc, &rule, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
  }
  for (int bar = 0; bar < 8; ++bar) {  // chart
    HBRUSH brush = CreateSolidBrush(RGB(40 + bar * 25, 160 - bar * 15, 200 - bar * 20));
    RECT box{80 + bar * 60, kHeight - 80 - (std::rand() % 150), 120 + bar * 60, kHeight - 80};
    FillRect(dc, &box, brush);
    DeleteObject(brush);
  }
  SelectObject(dc, previous);
  DeleteObject(heading);
  DeleteObject(body);
}

bool SavePage(const std::string& path, int n) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 3780, 3780, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) {
    DeleteDC(dc);
    return false;
  }
  HGDIOBJ previous = SelectObject(dc, bitmap);
  DrawPage(dc, n);
  GdiFlush();
  // Bottom-up rows with BI_BITFIELDS masks, as the viewer's renderer writes them.
  const std::uint32_t imageSize = kWidth * kHeight * 4;
  std::vector<char> file(14 + 40 + 12 + imageSize);
  auto put32 = [&file](std::size_t at, std::uint32_t v) { std::memcpy(&file[at], &v, 4); };
  file[0] = 'B', file[1] = 'M';
  put32(2, static_cast<std::uint32_t>(file.size()));
  put32(10, 66);
  BITMAPINFOHEADER header = {sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, 32, BI_BITFIELDS, imageSize, 3780, 3780, 0, 0};
  std::memcpy(&file[14], &header, 40);
  put32(54, 0xFF0000), put32(58, 0xFF00), put32(62, 0xFF);
  for (int row = 0; row < kHeight; ++row) {
    std::memcpy(&file[66 + std::size_t(row) * kWidth * 4],
                static_cast<const char*>(bits) + std::size_t(kHeight - 1 - row) * kWidth * 4, kWidth * 4);
  }
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  std::ofstream out(path, std::ios::binary);
  out.write(file.data(), static_cast<std::streamsize>(file.size()));
  return static_cast<bool>(out);
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_pages FOLDER PAGES\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "\\page";
  const int pages = std::atoi(argv[2]);
  auto name = [&folder](int n, const char* extension) {
    char number[16];
    std::snprintf(number, sizeof number, "%04d.", n);
    return folder + number + extension;
  };
  for (int n = 0; n < pages; ++n) {
    if (!SavePage(name(n, "bmp"), n)) return 1;
  }
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  for (const char* extension : {"png", "jpg", "tif"}) {
    long long bytes = 0;
    QueryPerformanceCounter(&start);
    for (int n = 0; n < pages; ++n) {
      if (RastraConvertBmp(name(n, "bmp").c_str(), name(n, extension).c_str()) != RASTRA_OK) return 1;
    }
    QueryPerformanceCounter(&end);
    for (int n = 0; n < pages; ++n) bytes += FileSize(name(n, extension));
    const double seconds = double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart);
    std::printf("%s %.6f %lld\n", extension, seconds / pages, bytes);
  }
  return 0;
}
