// Keeps the test session's desktop for the whole run. Wine's desktop process lives only
// while some program uses the desktop, and a test program that happens to start it hands
// it its output pipe: ctest then waits for that pipe until the desktop closes, minutes
// later while other tests keep it busy. Started detached at the session's start, this
// program starts the desktop itself, says so in "desktop.ready" in its working folder,
// and waits until the session's server ends it.
#include <windows.h>

int main() {
  GetDesktopWindow();
  const HANDLE ready = CreateFileA("desktop.ready", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  if (ready == INVALID_HANDLE_VALUE) return 1;
  CloseHandle(ready);
  Sleep(INFINITE);
  return 0;
}
