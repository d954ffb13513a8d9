#pragma once

#include <string>

// The folder of the running program, with a trailing backslash ("" if it cannot be read).
std::string ProgramDirectory();
