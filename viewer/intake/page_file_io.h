#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Reading and writing whole page files.

enum class PageWrite { written, notCreated, cutShort };

// Writes a page file. One that was created but could not be written whole is removed
// again: a cut page would be shown as a page that is not the printed one.
PageWrite WritePageFile(const std::string& path, const unsigned char* bytes, std::size_t size);

// The whole page file; false when it cannot be read, is beyond what one read takes or
// there is no memory for it.
bool ReadPageBytes(const std::string& path, std::vector<unsigned char>& bytes);
