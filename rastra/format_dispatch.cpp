#include "format_dispatch.h"

#include "ansi_code_page.h"
#include "path_parts.h"

#include <windows.h>

namespace {

struct FormatEntry {
  const char* extension;
  ImageWriter writer;
};

constexpr FormatEntry kFormats[] = {
    {".png", WritePng},  {".jpg", WriteJpeg}, {".jpeg", WriteJpeg}, {".tif", WriteTiff},
    {".tiff", WriteTiff}, {".gif", WriteGif}, {".psd", WritePsd},   {".pcx", WritePcx},
    {".dcx", WriteDcx},  {".tga", WriteTga},  {".dib", WriteDib},   {".pic", WritePict},
    {".pcd", WritePhotoCd},
};

}  // namespace

ImageWriter FindImageWriter(const char* targetPath) {
  const std::string extension = SplitPath(targetPath, AnsiLeadBytes()).extension;
  for (const FormatEntry& format : kFormats) {
    if (lstrcmpiA(extension.c_str(), format.extension) == 0) return format.writer;
  }
  return nullptr;
}
