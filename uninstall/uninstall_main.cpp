#include <windows.h>

#include "uninstall_steps.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunUninstall(); }
