#pragma once

#include <windows.h>

// One user-interface element of a command (a menu item, a toolbar button, a status-bar
// pane) whose enabled and checked state an update handler sets. The same handler serves
// every kind of element, so each rule is written once.
class CCmdUI {
 public:
  explicit CCmdUI(UINT id) : m_nID(id) {}
  virtual ~CCmdUI() = default;
  CCmdUI(const CCmdUI&) = delete;
  CCmdUI& operator=(const CCmdUI&) = delete;

  virtual void Enable(bool on = true) = 0;
  // 0 clear, 1 checked.
  virtual void SetCheck(int check = 1) = 0;
  // Only elements that show a text of their own (a push button) take one.
  virtual void SetText(const char* text) { (void)text; }
  // Only a status pane takes a tooltip; "" takes it away.
  virtual void SetTip(const char* tip) { (void)tip; }

  const UINT m_nID;
};

// A menu item of a popup that is about to open.
class CMenuCmdUI : public CCmdUI {
 public:
  CMenuCmdUI(HMENU menu, UINT index, UINT id) : CCmdUI(id), m_menu(menu), m_index(index) {}
  void Enable(bool on) override;
  void SetCheck(int check) override;

 private:
  HMENU m_menu;
  UINT m_index;
};
