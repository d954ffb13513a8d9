#pragma once

#include <windows.h>

#include <cstddef>

// Each path handed to the image-writer library is held in this many characters, including
// the terminating 0.
constexpr std::size_t kImageWriterPathChars = 256;

// Converts a BMP file into the format named by the target's extension through the
// image-writer library and returns the library's result. A path that is absent or would
// not fit its buffer is refused without calling the library, with the library's own
// result for a bad argument (0 would read as success).
int WriteImageFile(const char* sourceBmpPath, const char* targetPath);

// True for the library's result of a written target.
bool ImageWriterSucceeded(int result);

using ImageWriterEntry = LONG(WINAPI*)(const char* sourceBmpPath, const char* targetPath);
// Replaces the library's entry (nullptr restores it) and returns the previous one.
ImageWriterEntry SetImageWriterEntry(ImageWriterEntry entry);
