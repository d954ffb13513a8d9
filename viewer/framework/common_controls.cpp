#include "common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace {

using InitCommonControlsExFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

InitCommonControlsExFunction FindInitCommonControlsEx() {
  // InitCommonControls is imported, so comctl32 is already loaded.
  const HMODULE library = GetModuleHandleA("COMCTL32.DLL");
  if (library == nullptr) return nullptr;
  const FARPROC entry = GetProcAddress(library, "InitCommonControlsEx");
  return reinterpret_cast<InitCommonControlsExFunction>(reinterpret_cast<void*>(entry));
}

}  // namespace

void InitBarControls() {
  const InitCommonControlsExFunction initEx = FindInitCommonControlsEx();
  if (initEx != nullptr) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    if (initEx(&controls)) return;
  }
  InitCommonControls();
}
