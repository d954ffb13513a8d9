#pragma once

#include <string>
#include <vector>

// An ordered list of full file paths (candidate files, page files).
using PathList = std::vector<std::string>;
