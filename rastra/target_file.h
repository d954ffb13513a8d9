#pragma once

#include "byte_order.h"

#include <windows.h>

using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR existing, LPCSTR replacement, DWORD flags);

// MoveFileExA found at run time: the first Windows 95 may not export it, and an import
// would keep the library from loading there. Fails with ERROR_CALL_NOT_IMPLEMENTED when
// it is missing, as the 9x family's stub does.
BOOL WINAPI MoveFileExWhereExported(LPCSTR existing, LPCSTR replacement, DWORD flags);

// Moves `from` over `to`, replacing it. Where MoveFileExA is only a stub (the 9x family),
// deletes `to` and moves with MoveFileA instead. The mover is replaceable for tests.
bool MoveOverTarget(const char* from, const char* to,
                    MoveFileExFunction moveFileEx = MoveFileExWhereExported);

// Writes the whole file under a temporary name in the target's folder and then renames it
// to the target, so a failure leaves neither a partial image nor a changed target.
// Returns a RastraResult code; the temporary file never survives a failure.
long WriteTargetFile(const char* targetPath, const Bytes& contents);
