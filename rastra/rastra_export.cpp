#include "rastra.h"

#include "bmp_reader.h"
#include "format_dispatch.h"
#include "source_file.h"
#include "target_file.h"

#include <new>

namespace {

long Convert(const char* sourceBmpPath, const char* targetPath) {
  if (!sourceBmpPath || !*sourceBmpPath || !targetPath || !*targetPath) return RASTRA_ERROR_ARGUMENT;
  const ImageWriter writer = FindImageWriter(targetPath);
  if (!writer) return RASTRA_ERROR_UNKNOWN_FORMAT;

  Image image;
  {
    Bytes source;
    long result = ReadSourceFile(sourceBmpPath, source);
    if (result == RASTRA_OK) result = ReadBmp(source, image);
    if (result != RASTRA_OK) return result;
  }
  Bytes encoded;
  const long result = writer(image, encoded);
  if (result != RASTRA_OK) return result;
  return WriteTargetFile(targetPath, encoded);
}

}  // namespace

LONG WINAPI RastraConvertBmp(const char* sourceBmpPath, const char* targetPath) {
  // No exception may cross into the caller, which is not C++.
  try {
    return Convert(sourceBmpPath, targetPath);
  } catch (const std::bad_alloc&) {
    return RASTRA_ERROR_OUT_OF_MEMORY;
  } catch (...) {
    return RASTRA_ERROR_ENCODER;
  }
}
