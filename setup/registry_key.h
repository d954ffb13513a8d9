#pragma once

#include <string>

#include <windows.h>

#include "scoped_reg_key.h"

// An open registry key, closed through the installer's calls.
class SetupRegKey : public ScopedRegKey {
 public:
  SetupRegKey();
};

// Opens a key of HKEY_LOCAL_MACHINE with full access.
bool OpenMachineKey(const char* path, ScopedRegKey& key);

// Writes a REG_SZ value, its terminating NUL counted.
bool SetStringValue(HKEY key, const char* name, const std::string& text);
