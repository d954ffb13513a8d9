#pragma once

#include <windows.h>

// A function of an already loaded system library that older systems lack or only stub,
// looked up at run time so that the program still starts there; null where it is missing.
template <typename Function>
Function ExportedFunction(const char* module, const char* name) {
  const HMODULE library = GetModuleHandleA(module);
  const FARPROC entry = library ? GetProcAddress(library, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(entry));
}
