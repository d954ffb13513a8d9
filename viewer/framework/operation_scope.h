#pragma once

#include <functional>

// A message another process sends (a second start handing over its job) reaches the GUI
// thread inside whatever message loop runs: a message box, a dialog, a menu, the print
// loop's pump. Work that would change what the user is working on must not run there: it
// waits until the operation in progress, the outermost message the program handles, ends.
//
// While an object of this class lives, an operation is in progress. The message loop opens
// one around every message it hands out, and start-up around itself.
class COperationScope {
 public:
  COperationScope();
  // The outermost scope runs the work that waited for it.
  ~COperationScope();
  COperationScope(const COperationScope&) = delete;
  COperationScope& operator=(const COperationScope&) = delete;
};

bool IsOperationInProgress();

// Runs `work` now when no operation is in progress, otherwise when the outermost ends, after
// the work that was waiting before it. The work itself counts as an operation.
void RunWhenOperationEnds(std::function<void()> work);
