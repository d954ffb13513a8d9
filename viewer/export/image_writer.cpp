#include "image_writer.h"

#include <cstring>

#include "rastra/rastra.h"

namespace {

ImageWriterEntry g_entry = RastraConvertBmp;

// Copies `path` into `buffer`; false when it is longer than the buffer holds.
bool CopyPath(const char* path, char (&buffer)[kImageWriterPathChars]) {
  const std::size_t length = std::strlen(path);
  if (length >= kImageWriterPathChars) return false;
  std::memcpy(buffer, path, length + 1);
  return true;
}

}  // namespace

int WriteImageFile(const char* sourceBmpPath, const char* targetPath) {
  char source[kImageWriterPathChars];
  char target[kImageWriterPathChars];
  if (!sourceBmpPath || !targetPath || !CopyPath(sourceBmpPath, source) ||
      !CopyPath(targetPath, target))
    return RASTRA_ERROR_ARGUMENT;
  return g_entry(source, target);
}

bool ImageWriterSucceeded(int result) { return result == RASTRA_OK; }

ImageWriterEntry SetImageWriterEntry(ImageWriterEntry entry) {
  ImageWriterEntry previous = g_entry;
  g_entry = entry ? entry : RastraConvertBmp;
  return previous;
}
