#pragma once

#include <string>
#include <vector>

#include <windows.h>

// Removes from PendingFileRenameOperations data every (source, destination) pair whose
// source is `source`. Never reads past the data, whatever it holds: an unterminated
// source ends the walk, an unterminated destination ends at the data's end.
void RemoveRenamePairs(std::vector<BYTE>& value, const std::string& source);

// Cancels a deletion of `path` pending for the next start: in the registry on NT, in
// wininit.ini on 9x. Failures are silent.
void CancelPendingDeletion(bool isNt, const std::string& path);
