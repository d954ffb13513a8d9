#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "doc_file_dialog.h"
#include "message_box.h"

// While it lives, answers the document Open and Save As dialogs with `answer` ("" cancels)
// and every message box with `messageAnswer`, and writes down what was asked.
class ScriptedDialogs {
 public:
  struct Request {
    bool opening;
    DWORD flags;
    // The filter's texts and patterns, one after another.
    std::vector<std::string> filter;
    std::string defaultExtension;
  };

  ScriptedDialogs();
  ~ScriptedDialogs();
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  std::string answer;
  std::vector<Request> requests;
  std::vector<std::string> messages;
  // The button every message box answers with, and what happens while one is up.
  int messageAnswer = IDOK;
  std::function<void()> whileMessageShown;

 private:
  static BOOL WINAPI Open(OPENFILENAMEA* request);
  static BOOL WINAPI Save(OPENFILENAMEA* request);
  static BOOL Answer(bool opening, OPENFILENAMEA* request);
  static int Message(HWND owner, const char* text, const char* caption, UINT type);

  FileNameDialog m_previousOpen;
  FileNameDialog m_previousSave;
  MessageBoxHook m_previousMessage;
};
