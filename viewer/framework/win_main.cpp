#include <windows.h>

#include "win_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  return AfxWinMain(showCommand);
}
