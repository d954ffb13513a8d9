#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Each path handed to the image-writer library is held in this many characters, including
// the terminating 0.
constexpr std::size_t kImageWriterPathChars = 256;

// Converts a BMP file into the format named by the target's extension through the
// image-writer library and returns the library's result (kImageWriterMissing without it). A path that is absent or would
// not fit its buffer is refused without calling the library, with the library's own
// result for a bad argument (0 would read as success).
int WriteImageFile(const char* sourceBmpPath, const char* targetPath);

// True for the library's result of a written target.
bool ImageWriterSucceeded(int result);

// WriteImageFile's result when the library is missing beside the program or is not ours.
constexpr int kImageWriterMissing = -1;
// Where the library is looked for: beside the program.
std::string ImageWriterLibraryPath();

using ImageWriterEntry = LONG(WINAPI*)(const char* sourceBmpPath, const char* targetPath);
// Replaces the library's entry (nullptr restores it) and returns the previous one.
ImageWriterEntry SetImageWriterEntry(ImageWriterEntry entry);
