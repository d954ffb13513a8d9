#pragma once

#include <string>
#include <vector>

#include "option_settings.h"

// Appends the records kept in the option file; a record without name or content is
// skipped, so later records move up. An empty path reads nothing.
void LoadWatermarks(const std::string& optionFile, std::vector<WatermarkRecord>& watermarks);

// Writes the list as sections "Watermark0", "Watermark1", ... in list order, keeping the
// file's other lines. The file is replaced only by a complete copy: false when it could not
// be written (read-only file or folder, full disk), the file then left as it was. An empty
// list leaves the file untouched, and so does an empty path.
bool SaveWatermarks(const std::string& optionFile, const std::vector<WatermarkRecord>& watermarks);
