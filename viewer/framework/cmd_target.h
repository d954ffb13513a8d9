#pragma once

#include <windows.h>

#include <cstddef>

#include "cmd_ui.h"

// Something commands are routed to: the view, the document, the frame, the application.
class CCmdTarget {
 public:
  CCmdTarget() = default;
  virtual ~CCmdTarget() = default;
  CCmdTarget(const CCmdTarget&) = delete;
  CCmdTarget& operator=(const CCmdTarget&) = delete;

  // Without `ui`, runs the command's handler; with it, runs the command's update handler
  // (or enables the element when there is a handler but no update rule). True when this
  // target knows the command.
  virtual bool OnCmdMsg(UINT id, CCmdUI* ui) {
    (void)id;
    (void)ui;
    return false;
  }
};

// One row of a command table: a command, its handler and its update handler (either may
// be missing).
template <class T>
struct CommandEntry {
  UINT id;
  void (T::*handler)();
  void (T::*update)(CCmdUI* ui);
};

// Looks the command up in a class's table; the OnCmdMsg of each class calls this with
// its own table before handing on to its base class.
template <class T, std::size_t N>
bool DispatchCommand(T* target, const CommandEntry<T> (&table)[N], UINT id, CCmdUI* ui) {
  for (const CommandEntry<T>& entry : table) {
    if (entry.id != id) continue;
    if (ui) {
      if (entry.update) {
        (target->*entry.update)(ui);
      } else if (entry.handler) {
        ui->Enable(true);
      } else {
        continue;
      }
      return true;
    }
    if (entry.handler) {
      (target->*entry.handler)();
      return true;
    }
  }
  return false;
}
