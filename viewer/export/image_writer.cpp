#include "image_writer.h"

#include <cstring>

#include "program_directory.h"
#include "rastra/rastra.h"

namespace {

constexpr char kImageWriterLibrary[] = "Rastra.dll";
// The library exports its one function by this number only.
constexpr WORD kImageWriterOrdinal = 1;

// The library, loaded from the program's folder at the first page that needs it, so that
// the viewer starts, shows and prints without it; held until the program ends.
class ImageWriterLibrary {
 public:
  ImageWriterLibrary() : m_module(LoadLibraryA(ImageWriterLibraryPath().c_str())) {}
  ~ImageWriterLibrary() {
    if (m_module) FreeLibrary(m_module);
  }
  ImageWriterLibrary(const ImageWriterLibrary&) = delete;
  ImageWriterLibrary& operator=(const ImageWriterLibrary&) = delete;

  ImageWriterEntry Entry() const {
    if (!m_module) return nullptr;
    return reinterpret_cast<ImageWriterEntry>(
        reinterpret_cast<void*>(GetProcAddress(m_module, MAKEINTRESOURCEA(kImageWriterOrdinal))));
  }

 private:
  HMODULE m_module;
};

LONG WINAPI CallLibrary(const char* sourceBmpPath, const char* targetPath) {
  static const ImageWriterLibrary library;
  const ImageWriterEntry entry = library.Entry();
  return entry ? entry(sourceBmpPath, targetPath) : kImageWriterMissing;
}

ImageWriterEntry g_entry = CallLibrary;

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

std::string ImageWriterLibraryPath() { return ProgramDirectory() + kImageWriterLibrary; }

ImageWriterEntry SetImageWriterEntry(ImageWriterEntry entry) {
  ImageWriterEntry previous = g_entry;
  g_entry = entry ? entry : CallLibrary;
  return previous;
}
