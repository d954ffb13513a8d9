#pragma once

// Starts a program with its window shown and waits for it to end. A trailing "&" starts it
// without waiting; a trailing "|" is dropped. Returns the program's exit code, 0 when not
// waiting, the wait result when the wait ends otherwise, or -1 when it can't be started
// (also for a NULL or over-long command line).
int RunAndWait(const char* commandLine);
