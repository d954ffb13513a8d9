#include <windows.h>

#include "install_sequence.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  return RunInstallation(instance, commandLine);
}
