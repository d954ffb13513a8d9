#pragma once

#include <string>

// "%s%04d.emf": a page file's name from its job's base name and its page index.
std::string PageFileName(const std::string& baseName, int index);
