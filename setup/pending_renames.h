#pragma once

#include <string>

#include <windows.h>

// Cancels a deletion of `path` pending for the next start: in the registry on NT, in
// wininit.ini on 9x. Failures are silent.
void CancelPendingDeletion(bool isNt, const std::string& path);
