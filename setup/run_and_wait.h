#pragma once

#include <string>

// Starts a program with its window shown and waits for it to end. A trailing "&" starts it
// without waiting; a trailing "|" is dropped. Returns the program's exit code, 0 when not
// waiting, the wait result when the wait ends otherwise, or -1 when it can't be started
// (also for a NULL or over-long command line).
int RunAndWait(const char* commandLine);

// A program path as a command line: quoted when it holds a blank, so that CreateProcessA
// cannot take a leading part of it ("C:\Program") for the program.
std::string ProgramCommandLine(const std::string& path);
