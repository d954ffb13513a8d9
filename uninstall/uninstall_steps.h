#pragma once

// Exit codes of unquill.exe.
constexpr int kRemovedCompletely = 0;
constexpr int kPartsLeft = 1;  // after the message that lists them

// Removes what setup installed on this machine, in the environment setup chose for it:
// the printer (its jobs first), its driver, the print processor (NT family), the port, the
// monitor, the uninstall entry and the files setup copied, then schedules its own file for
// deletion at the next start. Each step goes on when its part is already gone, so a
// half-removed installation is removed the rest of the way; the files of a driver, print
// processor or monitor that could not be deleted stay with it.
int RunUninstall();
