#pragma once

#include <string>

// A name for a temporary bitmap that names no existing file: "temp", a number and ".bmp",
// in the folder named by TMP when it exists, else "c:\tmp" when it exists, else the root.
// False when no free name fits a path buffer.
bool MakeTempBmpName(std::string& name);

using TempBmpNameSource = bool (*)(std::string& name);
// Installs a replacement (nullptr restores the above) and returns the previous one.
TempBmpNameSource SetTempBmpNameSource(TempBmpNameSource source);
