#pragma once

#include <windows.h>

#include "installer_state.h"

// Reports a failed step: the string-table text `messageId` filled with the last error,
// then the system's text for that error. Silent in quiet mode. Always returns 1.
int ShowSetupError(const InstallerState& state, UINT messageId);
