#pragma once

#include <string>

#include <windows.h>
#include <winspool.h>

// GetPrinterDriverDirectoryA or GetPrintProcessorDirectoryA, or a replacement of either.
using SpoolerDirectoryQuery = decltype(&::GetPrinterDriverDirectoryA);

// A spooler directory for the environment, with a trailing backslash. Its result is not
// tested: the paths are built from whatever the call left. A buffer left without its NUL is
// taken whole rather than cut, possibly inside a character: every path built on it is then
// too long for a path buffer, and refused.
std::string SpoolerDirectory(SpoolerDirectoryQuery query, const char* environment);
