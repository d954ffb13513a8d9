#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app_profile.h"
#include "cmd_target.h"
#include "command_line.h"
#include "doc_template.h"
#include "document.h"

class CWnd;

// The application: one global object, constructed before WinMain. It runs the message
// loop with accelerators, modeless dialogs and idle-time updates, keeps the document
// template and the application profile, and is the last stop of command routing.
class CWinApp : public CCmdTarget {
 public:
  CWinApp();
  ~CWinApp() override;

  // Start-up: true to run the message loop.
  virtual bool InitInstance() { return true; }
  // Shut-down after the message loop; returns the program's exit code.
  virtual int ExitInstance() { return m_exitCode; }
  // The message loop; returns ExitInstance's result.
  int Run();
  // Idle-time work after the message queue ran empty.
  virtual void OnIdle();

  // Application-profile values live under HKCU\Software\<key>\<application>\<section>.
  void SetRegistryKey(const char* key) { m_registryKey = key; }
  UINT GetProfileInt(const char* section, const char* entry, int defaultValue) const;
  bool WriteProfileInt(const char* section, const char* entry, int value) const;
  CAppProfile Profile() const { return CAppProfile(m_registryKey, m_strAppName); }

  void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
  CSingleDocTemplate* GetDocTemplate() const { return m_docTemplate.get(); }
  // Lets the shell open documents by starting the program with the file as its argument
  // (no DDE conversation). Takes effect in RegisterShellFileTypes.
  void EnableShellOpen() { m_shellOpen = true; }
  // Registers the template's document type with the shell under HKEY_CLASSES_ROOT,
  // writing only what is missing or different; a registry that refuses is ignored.
  void RegisterShellFileTypes() const;
  void ParseCommandLine(CCommandLineInfo& info) const;
  // Creates the document, frame and view as the command line asks; false on failure.
  bool ProcessShellCommand(const CCommandLineInfo& info);

  // The framework's message box: captioned with the application's title, owned by the main
  // window's last active popup while there is one (CModalOwner).
  int DoMessageBox(const char* text, UINT type) const;

  // The Open and Save As dialogs for the template's document type; the chosen path, or ""
  // when cancelled.
  std::string DoPromptFileName(bool opening) const;

  // The New command: the document is prepared afresh.
  void OnFileNew();
  // The Open command: the document is opened from the file the user picks.
  void OnFileOpen();

  CWnd* m_pMainWnd = nullptr;
  std::string m_strAppName;
  int m_nCmdShow = SW_SHOWNORMAL;

 private:
  bool PreTranslateMessage(MSG* msg);

  std::string m_registryKey;
  std::unique_ptr<CSingleDocTemplate> m_docTemplate;
  int m_exitCode = 0;
  bool m_shellOpen = false;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
int AfxMessageBox(const char* text, UINT type = MB_OK);

// The program's entry, called by WinMain.
int AfxWinMain(int showCommand);
