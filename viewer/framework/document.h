#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "cmd_target.h"

class CView;

constexpr const char kFailedToOpenDocumentText[] = "Failed to open document.";
constexpr const char kFailedToSaveDocumentText[] = "Failed to save document.";

// The document of a single-document application: a title, the file it belongs to, and the
// views that show it. Documents hold no content of their own, so opening a file reads
// nothing from it and saving writes an empty file. Save therefore writes without asking
// only to a file the document wrote itself: the file it was opened from keeps its content.
class CDocument : public CCmdTarget {
 public:
  const std::string& GetTitle() const { return m_strTitle; }
  // Sets the title and recomposes the captions of the frames that show the document.
  virtual void SetTitle(const char* title);
  // The file the document belongs to ("" for a new one). Setting it titles the document
  // with the file's name, or "Untitled".
  const std::string& GetPathName() const { return m_strPathName; }
  void SetPathName(const std::string& path);

  // Prepares the document afresh (the New command and the first start).
  virtual bool OnNewDocument() { return true; }
  // False, after telling the user, when the file cannot be opened for reading.
  bool OnOpenDocument(const char* path);
  // False, after telling the user, when the file cannot be created.
  bool OnSaveDocument(const char* path);

  // Tells every view but `sender` that the document changed.
  void UpdateAllViews(CView* sender, LPARAM hint = 0);
  void AddView(CView* view);
  void RemoveView(CView* view);
  const std::vector<CView*>& Views() const { return m_views; }

  bool OnCmdMsg(UINT id, CCmdUI* ui) override;

 protected:
  std::string m_strTitle;

 private:
  // The Save command: asks for a name unless the document was saved since it was made or
  // opened.
  void OnFileSave();

  std::string m_strPathName;
  // Where Save writes without asking ("" to ask): the file last saved to.
  std::string m_strSavedPath;
  std::vector<CView*> m_views;
};
