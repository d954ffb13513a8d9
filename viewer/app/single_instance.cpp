#include "single_instance.h"

#include <windows.h>

#include "app_names.h"

void ClaimSingleInstanceOrHandOver() {
  // The handle stays open for the whole run: the mutex marks the running viewer.
  CreateMutexA(nullptr, TRUE, kInstanceMutexName);
  if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  if (HWND running = FindWindowA(nullptr, kMainWindowCaption))
    SendMessageA(running, WM_RELOADJOB, 0, 0);
  ExitProcess(0);
}
