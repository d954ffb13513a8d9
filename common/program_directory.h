#pragma once

#include <string>

// The running program's own path ("" when it cannot be read into 260 characters).
std::string ProgramPath();

// The folder of the running program, with a trailing backslash ("" if it cannot be read).
std::string ProgramDirectory();
