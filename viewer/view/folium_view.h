#pragma once

#include <memory>

#include "scroll_view.h"

// The viewer's view. Until the sheet layout arrives it shows each page of the job on a
// sheet of its own, the sheets one below the other.
class CFoliumView : public CScrollView {
 public:
  static std::unique_ptr<CView> Make();

  void OnUpdate(CView* sender, LPARAM hint) override;
  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 protected:
  void OnDraw(HDC hdc) override;

 private:
  void OnLayoutOne();
  void OnUpdateLayoutOne(CCmdUI* ui);
  SIZE SheetSize() const;
};
