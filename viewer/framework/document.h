#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "cmd_target.h"

class CView;

// The document of a single-document application: a title and the views that show it.
class CDocument : public CCmdTarget {
 public:
  const std::string& GetTitle() const { return m_strTitle; }
  // Sets the title and recomposes the captions of the frames that show the document.
  virtual void SetTitle(const char* title);
  // Prepares the document afresh (the New command and the first start).
  virtual bool OnNewDocument() { return true; }

  // Tells every view but `sender` that the document changed.
  void UpdateAllViews(CView* sender, LPARAM hint = 0);
  void AddView(CView* view);
  void RemoveView(CView* view);
  const std::vector<CView*>& Views() const { return m_views; }

 protected:
  std::string m_strTitle;

 private:
  std::vector<CView*> m_views;
};
