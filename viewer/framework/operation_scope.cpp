#include "operation_scope.h"

#include <deque>
#include <utility>

namespace {

int g_depth = 0;
std::deque<std::function<void()>> g_waiting;

void RunWaitingWork() {
  while (g_depth == 0 && !g_waiting.empty()) {
    const std::function<void()> work = std::move(g_waiting.front());
    g_waiting.pop_front();
    COperationScope running;
    work();
  }
}

}  // namespace

COperationScope::COperationScope() { ++g_depth; }

COperationScope::~COperationScope() {
  if (--g_depth == 0) RunWaitingWork();
}

bool IsOperationInProgress() { return g_depth > 0; }

void RunWhenOperationEnds(std::function<void()> work) {
  g_waiting.push_back(std::move(work));
  RunWaitingWork();
}
