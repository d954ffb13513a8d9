#pragma once

#include "byte_order.h"

// Writes the whole file under a temporary name in the target's folder and then renames it
// to the target, so a failure leaves neither a partial image nor a changed target.
// Returns a RastraResult code; the temporary file never survives a failure.
long WriteTargetFile(const char* targetPath, const Bytes& contents);
