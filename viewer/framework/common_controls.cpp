#include "common_controls.h"

#include <windows.h>
#include <commctrl.h>

#include "exported_function.h"

namespace {

using InitCommonControlsExFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

// InitCommonControls is imported, so comctl32 is already loaded.
InitCommonControlsExFunction FindInitCommonControlsEx() {
  return ExportedFunction<InitCommonControlsExFunction>("COMCTL32.DLL", "InitCommonControlsEx");
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
